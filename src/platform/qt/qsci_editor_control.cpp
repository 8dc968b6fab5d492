#include "platform/qt/qsci_editor_control.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QElapsedTimer>
#include <algorithm>
#include <cstring>
#include <utility>

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

// Idle styling works in chunks of this many bytes and hands the event loop
// back after kSliceMillis, so that keys and paints wait for one slice at most.
constexpr std::size_t kStyleChunkBytes = 32 * 1024;
constexpr qint64 kSliceMillis = 4;

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
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                onModified(position, type, length);
            });
    styleTimer_ = new QTimer(this);
    styleTimer_->setInterval(0);
    connect(styleTimer_, &QTimer::timeout, this, &QsciEditorControl::applyPendingSlice);
    // Lines scrolled into view get their styles before the rest.
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) {
        if (pending_.active) styleVisibleLines();
    });
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

void QsciEditorControl::onModified(int position, int type, int length) {
    if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) == 0) return;
    if (pending_.active && position >= 0 && length > 0) {
        const bool inserted = (type & SC_MOD_INSERTTEXT) != 0;
        shiftPendingSpans(std::size_t(position), inserted ? std::size_t(length) : 0,
                          inserted ? 0 : std::size_t(length));
    }
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
    // Styles pending for the old text do not fit the new one.
    pending_ = {};
    styleTimer_->stop();
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
        // coloured; a colouring that follows takes the place of this.
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

void QsciEditorControl::applyStyles(std::vector<StyleSpan> spans) {
    pending_ = {};
    pending_.active = true;
    // Colouring gives ascending spans that do not overlap: taken as they are.
    auto inOrder = [](const StyleSpan& a, const StyleSpan& b) {
        return b.length == 0 || b.style < 0 || b.style > 255 || a.start + a.length <= b.start;
    };
    if (std::adjacent_find(spans.begin(), spans.end(), [&](const StyleSpan& a, const StyleSpan& b) {
            return !inOrder(a, b);
        }) == spans.end() &&
        std::all_of(spans.begin(), spans.end(),
                    [](const StyleSpan& s) { return s.length > 0 && s.style >= 0 && s.style <= 255; })) {
        pending_.spans = std::move(spans);
        styleVisibleLines();
        styleTimer_->start();
        return;
    }
    pending_.spans.reserve(spans.size());
    for (const StyleSpan& span : spans) {
        if (span.length == 0 || span.style < 0 || span.style > 255) continue;
        // Later spans overlapping earlier ones win, as they would when set in order.
        while (!pending_.spans.empty() && pending_.spans.back().start >= span.start) pending_.spans.pop_back();
        if (!pending_.spans.empty()) {
            StyleSpan& last = pending_.spans.back();
            if (last.start + last.length > span.start) last.length = span.start - last.start;
        }
        pending_.spans.push_back(span);
    }
    styleVisibleLines();
    styleTimer_->start();
}

void QsciEditorControl::stylePendingRange(std::size_t from, std::size_t to) const {
    to = std::min(to, byteCount());
    if (from >= to) return;
    // One style byte per text byte, set in a single call: fast on megabytes.
    std::string styles(to - from, '\0');
    const std::vector<StyleSpan>& spans = pending_.spans;
    auto first = std::lower_bound(spans.begin(), spans.end(), from,
                                  [](const StyleSpan& s, std::size_t pos) { return s.start + s.length <= pos; });
    for (auto it = first; it != spans.end() && it->start < to; ++it) {
        const std::size_t a = std::max(it->start, from);
        const std::size_t b = std::min(it->start + it->length, to);
        std::memset(styles.data() + (a - from), it->style, b - a);
    }
    // Every other word in the twin style.
    const std::string_view all = textView();
    const char* text = all.data() + from;
    bool twin = false;
    char previous = from > 0 ? all[from - 1] : 'x';
    for (std::size_t i = 0; i < to - from; ++i) {
        if (IsBlank(previous) && !IsBlank(text[i])) twin = !twin;
        previous = text[i];
        if (twin && static_cast<unsigned char>(styles[i]) < kTwinOffset) styles[i] = char(styles[i] + kTwinOffset);
    }
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(from), 0xffL);
    SendScintilla(SCI_SETSTYLINGEX, uintptr_t(styles.size()), styles.data());
}

void QsciEditorControl::styleVisibleLines() const {
    const long firstLine = SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
    const long lastLine = firstLine + SendScintilla(SCI_LINESONSCREEN) + 1;
    const std::size_t from = std::size_t(SendScintilla(SCI_POSITIONFROMLINE, firstLine));
    long to = SendScintilla(SCI_POSITIONFROMLINE, lastLine + 1);
    const std::size_t end = to < 0 ? byteCount() : std::size_t(to);
    if (end <= pending_.next) return;
    const std::size_t start = std::max(from, pending_.next);
    stylePendingRange(start, end);
    pending_.aheadEnd = std::max(pending_.aheadEnd, end);
}

void QsciEditorControl::applyPendingSlice() {
    if (!pending_.active) {
        styleTimer_->stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const std::size_t size = byteCount();
    while (pending_.next < size && clock.elapsed() < kSliceMillis) {
        const std::size_t to = std::min(size, pending_.next + kStyleChunkBytes);
        stylePendingRange(pending_.next, to);
        pending_.next = to;
    }
    if (pending_.next >= size) {
        pending_ = {};
        styleTimer_->stop();
        return;
    }
    // Styling a range leaves Scintilla's styled-to mark at its end; were the
    // mark behind the lines on show, the editor would restyle (reset) their
    // last byte when painting. Restyling the last byte styled ahead moves it on.
    if (pending_.aheadEnd > pending_.next) stylePendingRange(pending_.aheadEnd - 1, pending_.aheadEnd);
}

void QsciEditorControl::flushPendingStyles() const {
    if (!pending_.active) return;
    stylePendingRange(pending_.next, byteCount());
    pending_ = {};
    styleTimer_->stop();
}

void QsciEditorControl::shiftPendingSpans(std::size_t position, std::size_t inserted, std::size_t deleted) {
    const std::size_t deletedEnd = position + deleted;
    // Where a position of the old text is in the new one; a span starting
    // where text is inserted starts after it.
    auto moved = [&](std::size_t pos, bool isStart) {
        if (inserted > 0) return pos > position || (isStart && pos == position) ? pos + inserted : pos;
        if (pos <= position) return pos;
        if (pos < deletedEnd) return position;
        return pos - deleted;
    };
    std::vector<StyleSpan>& spans = pending_.spans;
    auto first = std::lower_bound(spans.begin(), spans.end(), position,
                                  [](const StyleSpan& s, std::size_t pos) { return s.start + s.length <= pos; });
    std::vector<StyleSpan> tail;
    tail.reserve(std::size_t(spans.end() - first) + 1);
    for (auto it = first; it != spans.end(); ++it) {
        const std::size_t end = it->start + it->length;
        if (inserted > 0 && it->start < position && end > position) {
            // Text typed inside a span splits it; the new text is left plain.
            tail.push_back({it->start, position - it->start, it->style});
            tail.push_back({position + inserted, end - position, it->style});
            continue;
        }
        const std::size_t a = moved(it->start, true);
        const std::size_t b = moved(end, false);
        if (b > a) tail.push_back({a, b - a, it->style});
    }
    spans.erase(first, spans.end());
    spans.insert(spans.end(), tail.begin(), tail.end());
    pending_.next = moved(pending_.next, false);
    // A range styled ahead of `next` moved with its text; the new text in it
    // is styled when idle styling gets there.
    pending_.aheadEnd = moved(pending_.aheadEnd, false);
}

int QsciEditorControl::styleAt(std::size_t pos) const {
    flushPendingStyles();
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
