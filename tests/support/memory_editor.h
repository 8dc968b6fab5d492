#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/editor_control.h"

namespace quillane::testing {

// An editor control held in memory, with the same position rules as the real
// one: byte offsets, setSelStart collapses the selection, positions clamp to
// the text. Undo keeps whole-text snapshots.
class MemoryEditor : public EditorControl {
public:
    std::string_view textView() const override { return text_; }
    void setText(std::string_view bytes) override;
    void loadText(std::string_view bytes) override;
    std::size_t selStart() const override { return selStart_; }
    void setSelStart(std::size_t pos) override;
    std::size_t selLength() const override { return selLength_; }
    void setSelLength(std::size_t len) override;
    void setSelText(std::string_view bytes) override;

    void setEditorFont(const std::string& name, int pointSize, bool bold) override;
    void setRightMargin(int twips) override { rightMargin_ = twips; }
    int rightMargin() const override { return rightMargin_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void setFocus() override { ++focusCount; }

    bool canUndo() const override { return !undo_.empty(); }
    void undo() override;
    void emptyUndoBuffer() override { undo_.clear(); }
    void beginUndoAction() override;
    void endUndoAction() override;

    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;

    void defineStyle(int style, const TextStyle& look) override { styles[style] = look; }
    void applyStyles(std::vector<StyleSpan> spans) override { appliedSpans = std::move(spans); }

    // Called after every change of the text, like the control's change signal.
    std::function<void()> onTextChanged;

    std::string fontName;
    int fontSize = 0;
    bool fontBold = true;
    bool visible() const { return visible_; }
    int focusCount = 0;
    std::string clipboard;
    std::map<int, TextStyle> styles;
    std::vector<StyleSpan> appliedSpans;

private:
    void changed(const std::string& before);

    std::string text_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    int rightMargin_ = 0;
    bool visible_ = true;
    std::vector<std::string> undo_;
    int undoGroup_ = 0;
    bool groupRecorded_ = false;
};

}  // namespace quillane::testing
