#include "editor/file_drop.h"

#include "platform/shell.h"
#include "builders/relative_directory.h"

namespace quillane {

namespace {
bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

void DropFileOnEditor(DocumentView& view, const std::string& folder, const std::string& fileName) {
    EditorControl& editor = view.editor();
    const std::string quote = "\"";
    if (EndsWith(fileName, ".htm") || EndsWith(fileName, "html")) {
        std::string href = "<A HREF=" + quote + RelativeDirectory(view.caption(), folder) + fileName + quote + ">";
        if (editor.selLength() == 0) {
            editor.setSelText(href + "</A>");
            // Between the tags, ready for the link text.
            editor.setSelStart(editor.selStart() - 4);
        } else {
            editor.setSelText(href + editor.selText() + "</A>");
        }
    } else if (EndsWith(fileName, ".gif") || EndsWith(fileName, ".jpg")) {
        editor.setSelText("<IMG SRC=" + quote + RelativeDirectory(view.caption(), folder) + fileName + quote + ">");
    }
    editor.setFocus();
}

}  // namespace quillane
