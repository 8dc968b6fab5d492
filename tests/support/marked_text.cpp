#include "support/marked_text.h"

#include <stdexcept>

namespace quillane::testing {

void SetMarkedText(EditorControl& editor, const std::string& marked) {
    std::string text;
    std::size_t start = std::string::npos;
    std::size_t end = std::string::npos;
    for (char c : marked) {
        if (c == '|' || c == '[') {
            start = text.size();
        } else if (c == ']') {
            end = text.size();
        } else {
            text += c;
        }
    }
    if (start == std::string::npos) throw std::invalid_argument("no caret mark in: " + marked);
    editor.setText(text);
    editor.setSelStart(start);
    if (end != std::string::npos) editor.setSelLength(end - start);
}

std::string MarkedText(const EditorControl& editor) {
    std::string text = editor.text();
    std::size_t start = editor.selStart();
    std::size_t length = editor.selLength();
    if (length == 0) return text.insert(start, "|");
    text.insert(start + length, "]");
    return text.insert(start, "[");
}

}  // namespace quillane::testing
