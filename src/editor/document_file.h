#pragma once
#include <string>
#include <string_view>

#include "editor/file_bytes.h"
#include "editor/text_encoding.h"

namespace quillane {

class EditorControl;

// A document's text as its file holds it: the steps of opening and saving
// that touch the text, apart from windows and messages.

// Puts a file's bytes into an editor as a newly opened document (caret at the
// start, nothing to undo); with unixLineEnds every LF is read as CR LF. Gives
// the encoding the file was read with.
TextEncoding LoadDocumentFile(EditorControl& editor, std::string&& bytes, bool unixLineEnds);

// Writes an editor text and one CR LF after it to path, atomically, in the
// encoding the file was read with.
FileWriteResult WriteDocumentFile(const std::string& path, std::string_view text, TextEncoding encoding);

}  // namespace quillane
