#pragma once
#include <string>

namespace quillane {

class DocumentView;

// A file of the file pane dropped on a document's editor: a page becomes a
// link (around the selection, if any), a picture an image tag, each with the
// path relative to the document's folder. Other files insert nothing. The
// editor gets the focus in every case.
void DropFileOnEditor(DocumentView& view, const std::string& folder, const std::string& fileName);

}  // namespace quillane
