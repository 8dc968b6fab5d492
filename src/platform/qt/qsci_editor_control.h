#pragma once
#include <Qsci/qsciscintilla.h>

#include <QKeySequence>
#include <QList>
#include <QTimer>
#include <set>

#include "platform/editor_control.h"

namespace quillane {

// The document editor: a Scintilla control in UTF-8 mode with CR LF line
// ends and no lexer, holding the text byte-exact (NUL, lone CR and invalid
// UTF-8 included). Positions are byte offsets, as Scintilla counts them.
//
// Change notification: QsciScintilla::textChanged() fires once for every
// insertion and every deletion Scintilla makes (not for style, marker or fold
// changes), so replacing a selection reports twice and an undo once per step;
// setText() and loadText() do not report at all unless an accessibility
// client listens (see replaceAll()). textModified() fires once per operation
// of this class, once per undo (at its last step) and once per typed key.
class QsciEditorControl : public QsciScintilla, public EditorControl {
    Q_OBJECT

public:
    explicit QsciEditorControl(QWidget* parent = nullptr);

    using EditorControl::length;
    using EditorControl::selText;
    using EditorControl::text;

    std::string_view textView() const override;
    void setText(std::string_view bytes) override;
    void loadText(std::string_view bytes) override;

    std::size_t selStart() const override;
    void setSelStart(std::size_t pos) override;
    std::size_t selLength() const override;
    void setSelLength(std::size_t len) override;
    void setSelText(std::string_view bytes) override;

    void setEditorFont(const std::string& name, int pointSize, bool bold) override;
    void setRightMargin(int twips) override;
    int rightMargin() const override { return rightMarginTwips_; }
    void setVisible(bool visible) override;
    using QsciScintilla::setFocus;
    void setFocus() override;

    bool canUndo() const override;
    void undo() override;
    void emptyUndoBuffer() override;
    void beginUndoAction() override;
    void endUndoAction() override;

    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;

    void defineStyle(int style, const TextStyle& look) override;
    // The lines on show get their styles at once, the rest in short idle
    // slices (see applyPendingSlice).
    void applyStyles(std::vector<StyleSpan> spans) override;
    // Applies whatever styles applyStyles left for idle time.
    void flushPendingStyles() const;
    bool stylesPending() const { return pending_.active; }
    // The style applyStyles gave the byte at pos (0 for plain text).
    int styleAt(std::size_t pos) const;

    // Removes every editor key binding (key or alternate key) equal to one of
    // the sequences, so that menu shortcuts with those keys reach the menu.
    void releaseShortcuts(const QList<QKeySequence>& sequences);

    // The wrap width in pixels while wrapping is on, else 0.
    int wrapWidthPixels() const;

signals:
    void textModified();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The text's length without closing the buffer's gap, as textView() does.
    std::size_t byteCount() const;
    // Replaces the whole text inside an operation of this class (see setText).
    void replaceAll(std::string_view bytes);
    void onModified(int position, int type, int length);
    // Styles [from, to) from the pending spans, plain where none covers.
    void stylePendingRange(std::size_t from, std::size_t to) const;
    void styleVisibleLines() const;
    void applyPendingSlice();
    // Moves the pending spans with an edit, as the styles already set move.
    void shiftPendingSpans(std::size_t position, std::size_t inserted, std::size_t deleted);
    void applyWrap();
    // Where the text starts: Scintilla's left gap plus its margins.
    long textLeft() const;
    void applyFont(int style);
    // Runs a change with at most one textModified(), after it.
    template <typename Change>
    void notifyOnce(Change&& change);
    // The same, as one undo step.
    template <typename Edit>
    void edit(Edit&& change);

    int rightMarginTwips_ = 20000;
    std::string fontName_;
    int fontSize_ = 10;
    bool fontBold_ = false;
    std::set<int> definedStyles_;
    int editDepth_ = 0;
    bool changedInEdit_ = false;
    // Styles still to be set: every byte from `next` on, and the lines on
    // show. Spans are ascending and do not overlap.
    struct PendingStyles {
        bool active = false;
        std::vector<StyleSpan> spans;
        std::size_t next = 0;
        // The end of the furthest range styled ahead of `next`.
        std::size_t aheadEnd = 0;
    };
    mutable PendingStyles pending_;
    QTimer* styleTimer_ = nullptr;
};

}  // namespace quillane
