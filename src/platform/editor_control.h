#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rgb.h"

namespace quillane {

// One styled run of the text, as tag colouring computes it.
struct StyleSpan {
    std::size_t start = 0;   // byte offset
    std::size_t length = 0;  // bytes
    int style = 0;           // a style id given to defineStyle
    friend bool operator==(const StyleSpan&, const StyleSpan&) = default;
};

struct TextStyle {
    Rgb color;
    bool italic = false;
};

// The document editor as every command sees it. The text is held byte-exact
// (UTF-8 with any invalid bytes kept); positions and lengths are byte offsets.
// Setting SelStart collapses the selection; SelLength then extends it forwards.
class EditorControl {
public:
    virtual ~EditorControl() = default;

    // The whole text. The view stays valid until the text next changes.
    virtual std::string_view textView() const = 0;
    std::string text() const { return std::string(textView()); }
    // Replaces the whole text (undoable); the caret goes to the start.
    virtual void setText(std::string_view bytes) = 0;
    // Replaces the whole text as a document's starting point: the caret goes
    // to the start and there is nothing to undo. A control may do this
    // without recording the old text, which for a large file is most of the
    // work.
    virtual void loadText(std::string_view bytes) {
        setText(bytes);
        emptyUndoBuffer();
    }
    std::size_t length() const { return textView().size(); }

    virtual std::size_t selStart() const = 0;
    virtual void setSelStart(std::size_t pos) = 0;
    virtual std::size_t selLength() const = 0;
    virtual void setSelLength(std::size_t len) = 0;
    std::string selText() const { return std::string(textView().substr(selStart(), selLength())); }
    // Replaces the selection; the caret ends after the new text, nothing selected.
    virtual void setSelText(std::string_view bytes) = 0;

    // The font of the text (editor-wide: styles share one face and size).
    virtual void setEditorFont(const std::string& name, int pointSize, bool bold) = 0;
    // Right margin in twips; at 20000 or more the text does not wrap.
    virtual void setRightMargin(int twips) = 0;
    virtual int rightMargin() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;

    // The control's own undo history.
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;
    virtual void emptyUndoBuffer() = 0;
    // Groups the edits between the calls into one undo step.
    virtual void beginUndoAction() = 0;
    virtual void endUndoAction() = 0;

    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;

    // Style 0 is the plain text style; others are defined before use.
    virtual void defineStyle(int style, const TextStyle& look) = 0;
    // Sets every byte to style 0, then applies the spans. Not an edit: no undo
    // step, no change notification.
    virtual void applyStyles(std::vector<StyleSpan> spans) = 0;
};

}  // namespace quillane
