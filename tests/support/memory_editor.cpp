#include "support/memory_editor.h"

#include <algorithm>

namespace quillane::testing {

void MemoryEditor::changed(const std::string& before) {
    if (undoGroup_ == 0 || !groupRecorded_) undo_.push_back(before);
    if (undoGroup_ > 0) groupRecorded_ = true;
    if (onTextChanged) onTextChanged();
}

void MemoryEditor::setText(std::string_view bytes) {
    std::string before = text_;
    text_.assign(bytes);
    selStart_ = 0;
    selLength_ = 0;
    changed(before);
}

void MemoryEditor::loadText(std::string_view bytes) {
    text_.assign(bytes);
    selStart_ = 0;
    selLength_ = 0;
    undo_.clear();
    if (onTextChanged) onTextChanged();
}

void MemoryEditor::setSelStart(std::size_t pos) {
    selStart_ = std::min(pos, text_.size());
    selLength_ = 0;
}

void MemoryEditor::setSelLength(std::size_t len) { selLength_ = std::min(len, text_.size() - selStart_); }

void MemoryEditor::setSelText(std::string_view bytes) {
    std::string before = text_;
    text_.replace(selStart_, selLength_, bytes);
    selStart_ += bytes.size();
    selLength_ = 0;
    changed(before);
}

void MemoryEditor::setEditorFont(const std::string& name, int pointSize, bool bold) {
    fontName = name;
    fontSize = pointSize;
    fontBold = bold;
}

void MemoryEditor::undo() {
    if (undo_.empty()) return;
    text_ = undo_.back();
    undo_.pop_back();
    selStart_ = std::min(selStart_, text_.size());
    selLength_ = 0;
    if (onTextChanged) onTextChanged();
}

void MemoryEditor::beginUndoAction() {
    if (undoGroup_++ == 0) groupRecorded_ = false;
}

void MemoryEditor::endUndoAction() {
    if (undoGroup_ > 0) --undoGroup_;
}

void MemoryEditor::cut() {
    copy();
    if (selLength_ > 0) setSelText("");
}

void MemoryEditor::copy() {
    if (selLength_ > 0) clipboard = selText();
}

void MemoryEditor::paste() { setSelText(clipboard); }

void MemoryEditor::selectAll() {
    selStart_ = 0;
    selLength_ = text_.size();
}

}  // namespace quillane::testing
