#include "platform/qt/qsci_editor_control.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <algorithm>
#include <cstring>

#include "platform/twips.h"

namespace quillane {

namespace {

// At this right margin or beyond the text does not wrap.
constexpr int kNoWrapMarginTwips = 20000;
// Scintilla's own gap between the text and the right edge.
constexpr long kPlainRightGapPixels = 1;

long ScintillaColor(Rgb c) { return long(c.r) | (long(c.g) << 8) | (long(c.b) << 16); }

// Scintilla measures text in runs of one style and keeps the widths of short
// runs (under 30 bytes) in its position cache; a longer run is laid out by Qt
// each time, and wrapping a large page that way costs seconds. So every style
// below kTwinOffset has a twin of the same look, and applyStyles alternates
// between the two at each word start: runs are words, which repeat. Word
// starts (after a blank) are where Scintilla breaks lines anyway, so lines
// wrap as before.
constexpr int kTwinOffset = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

QsciEditorControl::QsciEditorControl(QWidget* parent) : QsciScintilla(parent) {
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    // No lexer: the null lexer never asks this class for styling and keeps
    // the styles applyStyles set (after an edit it only resets the last byte
    // of the range shown, normally a line end).
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(SCLEX_NULL));
    const long margins = SendScintilla(SCI_GETMARGINS);
    for (long margin = 0; margin < margins; ++margin) SendScintilla(SCI_SETMARGINWIDTHN, margin, 0L);
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int, int) { onModified(type); });
    applyWrap();
}

template <typename Change>
void QsciEditorControl::notifyOnce(Change&& change) {
    ++editDepth_;
    change();
    if (--editDepth_ == 0 && changedInEdit_) {
        changedInEdit_ = false;
        emit textModified();
    }
}

template <typename Edit>
void QsciEditorControl::edit(Edit&& change) {
    notifyOnce([&] {
        SendScintilla(SCI_BEGINUNDOACTION);
        change();
        SendScintilla(SCI_ENDUNDOACTION);
    });
}

void QsciEditorControl::keyPressEvent(QKeyEvent* event) {
    // Typing over a selection deletes and inserts: one notice.
    notifyOnce([&] { QsciScintilla::keyPressEvent(event); });
}

void QsciEditorControl::onModified(int type) {
    if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) == 0) return;
    if (editDepth_ > 0) {
        changedInEdit_ = true;
        return;
    }
    // An undo or redo of a grouped edit reports each step: tell once, at the last.
    if ((type & SC_MULTISTEPUNDOREDO) != 0 && (type & SC_LASTSTEPINUNDOREDO) == 0) return;
    emit textModified();
}

std::size_t QsciEditorControl::byteCount() const { return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH)); }

std::string_view QsciEditorControl::textView() const {
    const std::size_t size = byteCount();
    if (size == 0) return {};
    // Closes the gap of Scintilla's buffer, so the text is one run of bytes.
    const char* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {bytes, size};
}

void QsciEditorControl::replaceAll(std::string_view bytes) {
    // QScintilla copies every reported insertion and deletion and turns it
    // into a QString for accessibility clients; for a whole file that costs as
    // much as the load itself. Unless a client listens, nothing is reported
    // while the text is replaced and the change notice is given by the caller.
    const bool quiet = !QAccessible::isActive();
    const long mask = SendScintilla(SCI_GETMODEVENTMASK);
    if (quiet) SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    if (quiet && (byteCount() > 0 || !bytes.empty())) changedInEdit_ = true;
    // SCI_SETTEXT stops at a NUL; appending with a length keeps every byte.
    // Text inserted while wrapping is on is wrapped, every line of it, before
    // the insertion returns. Inserted unwrapped, the text is wrapped when
    // wrapping comes back on: the lines on show first, the rest in idle time.
    const long wrap = SendScintilla(SCI_GETWRAPMODE);
    if (wrap != SC_WRAP_NONE) SendScintilla(SCI_SETWRAPMODE, SC_WRAP_NONE);
    SendScintilla(SCI_CLEARALL);
    if (!bytes.empty()) SendScintilla(SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.data());
    if (wrap != SC_WRAP_NONE) SendScintilla(SCI_SETWRAPMODE, wrap);
    if (quiet) SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
}

void QsciEditorControl::setText(std::string_view bytes) {
    edit([&] { replaceAll(bytes); });
}

void QsciEditorControl::loadText(std::string_view bytes) {
    notifyOnce([&] {
        // Recording the replacement for undo would copy the old and the new
        // text; the history is emptied afterwards anyway.
        const bool collecting = SendScintilla(SCI_GETUNDOCOLLECTION) != 0;
        SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
        replaceAll(bytes);
        // Plain, but in word runs (see kTwinOffset), also when it is never
        // coloured.
        applyStyles({});
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        if (collecting) SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    });
}

std::size_t QsciEditorControl::selStart() const {
    return static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONSTART));
}

std::size_t QsciEditorControl::selLength() const {
    return static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONEND) - SendScintilla(SCI_GETSELECTIONSTART));
}

void QsciEditorControl::setSelStart(std::size_t pos) {
    pos = std::min(pos, byteCount());
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(pos));
    SendScintilla(SCI_SCROLLCARET);
}

void QsciEditorControl::setSelLength(std::size_t len) {
    const std::size_t start = selStart();
    len = std::min(len, byteCount() - start);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(start + len));
}

void QsciEditorControl::setSelText(std::string_view bytes) {
    const std::size_t start = selStart();
    const std::size_t end = start + selLength();
    edit([&] {
        // Replacing the target takes a length, so NUL bytes are kept.
        SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), static_cast<long>(end));
        SendScintilla(SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.data());
        SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(start + bytes.size()));
    });
    SendScintilla(SCI_SCROLLCARET);
}

void QsciEditorControl::applyFont(int style) {
    if (fontName_.empty()) return;
    SendScintilla(SCI_STYLESETFONT, uintptr_t(style), fontName_.c_str());
    SendScintilla(SCI_STYLESETSIZE, static_cast<unsigned long>(style), static_cast<long>(fontSize_));
    SendScintilla(SCI_STYLESETBOLD, static_cast<unsigned long>(style), static_cast<long>(fontBold_));
}

void QsciEditorControl::setEditorFont(const std::string& name, int pointSize, bool bold) {
    fontName_ = name;
    fontSize_ = pointSize > 0 ? pointSize : 10;
    fontBold_ = bold;
    // Only face, size and weight: colours and italic of the styles stay.
    applyFont(STYLE_DEFAULT);
    applyFont(0);
    applyFont(kTwinOffset);
    for (int style : definedStyles_) applyFont(style);
}

void QsciEditorControl::setRightMargin(int twips) {
    rightMarginTwips_ = twips;
    applyWrap();
}

void QsciEditorControl::applyWrap() {
    if (rightMarginTwips_ >= kNoWrapMarginTwips) {
        if (SendScintilla(SCI_GETWRAPMODE) != SC_WRAP_NONE) SendScintilla(SCI_SETWRAPMODE, SC_WRAP_NONE);
        if (SendScintilla(SCI_GETMARGINRIGHT) != kPlainRightGapPixels)
            SendScintilla(SCI_SETMARGINRIGHT, 0UL, kPlainRightGapPixels);
        return;
    }
    // Scintilla wraps at the right edge of its text area; the right margin
    // takes what lies beyond the wanted width.
    const long wanted = std::max(1, TwipsToPixels(rightMarginTwips_, logicalDpiX()));
    const long right = std::max(kPlainRightGapPixels, long(viewport()->width()) - textLeft() - wanted);
    if (SendScintilla(SCI_GETMARGINRIGHT) != right) SendScintilla(SCI_SETMARGINRIGHT, 0UL, right);
    if (SendScintilla(SCI_GETWRAPMODE) != SC_WRAP_WORD) SendScintilla(SCI_SETWRAPMODE, SC_WRAP_WORD);
}

long QsciEditorControl::textLeft() const {
    long left = SendScintilla(SCI_GETMARGINLEFT);
    const long margins = SendScintilla(SCI_GETMARGINS);
    for (long margin = 0; margin < margins; ++margin) left += SendScintilla(SCI_GETMARGINWIDTHN, margin);
    return left;
}

int QsciEditorControl::wrapWidthPixels() const {
    if (SendScintilla(SCI_GETWRAPMODE) == SC_WRAP_NONE) return 0;
    return int(viewport()->width() - textLeft() - SendScintilla(SCI_GETMARGINRIGHT));
}

void QsciEditorControl::resizeEvent(QResizeEvent* event) {
    QsciScintilla::resizeEvent(event);
    applyWrap();
}

void QsciEditorControl::setVisible(bool visible) { QsciScintilla::setVisible(visible); }

void QsciEditorControl::setFocus() { QsciScintilla::setFocus(Qt::OtherFocusReason); }

bool QsciEditorControl::canUndo() const { return SendScintilla(SCI_CANUNDO) != 0; }

void QsciEditorControl::undo() {
    // Grouped steps are reported once, at the last step (onModified).
    SendScintilla(SCI_UNDO);
}

void QsciEditorControl::emptyUndoBuffer() { SendScintilla(SCI_EMPTYUNDOBUFFER); }

void QsciEditorControl::beginUndoAction() { SendScintilla(SCI_BEGINUNDOACTION); }

void QsciEditorControl::endUndoAction() { SendScintilla(SCI_ENDUNDOACTION); }

void QsciEditorControl::cut() {
    if (selLength() == 0) return;
    edit([this] { QsciScintilla::cut(); });
}

void QsciEditorControl::copy() {
    if (selLength() == 0) return;
    QsciScintilla::copy();
}

void QsciEditorControl::paste() {
    edit([this] { QsciScintilla::paste(); });
}

void QsciEditorControl::selectAll() { QsciScintilla::selectAll(true); }

void QsciEditorControl::defineStyle(int style, const TextStyle& look) {
    if (style < 0 || style > STYLE_MAX) return;
    for (int defined : {style, style + kTwinOffset}) {
        if (defined > STYLE_MAX || (defined != style && style >= kTwinOffset)) continue;
        definedStyles_.insert(defined);
        SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(defined), ScintillaColor(look.color));
        SendScintilla(SCI_STYLESETITALIC, static_cast<unsigned long>(defined), static_cast<long>(look.italic));
        applyFont(defined);
    }
}

void QsciEditorControl::applyStyles(const std::vector<StyleSpan>& spans) {
    const std::size_t size = byteCount();
    // One style byte per text byte, set in a single call: fast on megabytes.
    std::string styles(size, '\0');
    for (const StyleSpan& span : spans) {
        if (span.start >= size || span.style < 0 || span.style > 255) continue;
        const std::size_t run = std::min(span.length, size - span.start);
        std::memset(styles.data() + span.start, span.style, run);
    }
    // Every other word in the twin style.
    const std::string_view text = textView();
    bool twin = false;
    for (std::size_t i = 1; i < size; ++i) {
        if (IsBlank(text[i - 1]) && !IsBlank(text[i])) twin = !twin;
        if (twin && static_cast<unsigned char>(styles[i]) < kTwinOffset) styles[i] = char(styles[i] + kTwinOffset);
    }
    SendScintilla(SCI_STARTSTYLING, 0UL, 0xffL);
    if (size > 0) SendScintilla(SCI_SETSTYLINGEX, uintptr_t(size), styles.data());
}

int QsciEditorControl::styleAt(std::size_t pos) const {
    const int style = int(SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(pos)));
    return style >= kTwinOffset && style < 2 * kTwinOffset ? style - kTwinOffset : style;
}

void QsciEditorControl::releaseShortcuts(const QList<QKeySequence>& sequences) {
    QList<int> keys;
    for (const QKeySequence& sequence : sequences) {
        if (sequence.count() == 1) keys.append(sequence[0].toCombined());
    }
    for (QsciCommand* command : standardCommands()->commands()) {
        if (keys.contains(command->key())) command->setKey(0);
        if (keys.contains(command->alternateKey())) command->setAlternateKey(0);
    }
}

}  // namespace quillane
