#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <Qsci/qscicommandset.h>
#include <functional>

#include "editor/tag_colouring.h"
#include "platform/qt/qsci_editor_control.h"
#include "platform/twips.h"
#include "support/memory_editor.h"

using namespace std::string_literals;
using quillane::EditorControl;
using quillane::QsciEditorControl;
using quillane::StyleSpan;
using quillane::TextStyle;

using EditorScript = std::function<void(EditorControl&)>;
Q_DECLARE_METATYPE(EditorScript)

namespace {

int StyleAt(const QsciEditorControl& ed, long pos) { return ed.styleAt(std::size_t(pos)); }

// Every byte's style as the editor holds it now, twins folded, without
// finishing pending styling first.
std::vector<int> HeldStyles(const QsciEditorControl& ed) {
    std::vector<int> styles(ed.length());
    for (std::size_t i = 0; i < styles.size(); ++i)
        styles[i] = int(ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(i))) % 64;
    return styles;
}

// The styles the spans give a text of `size` bytes.
std::vector<int> SpanStyles(const std::vector<StyleSpan>& spans, std::size_t size) {
    std::vector<int> styles(size, 0);
    for (const StyleSpan& span : spans)
        for (std::size_t i = span.start; i < span.start + span.length && i < size; ++i) styles[i] = span.style;
    return styles;
}

// A page large enough that its styles are not all set in one go.
std::string LargeColouredPage() {
    std::string page;
    while (page.size() < 2u * 1024 * 1024) page += "<P ALIGN=\"left\">Some <B>bold</B> words<!-- note --></P>\r\n";
    return page;
}

int KeyOf(const char* sequence) { return QKeySequence(sequence)[0].toCombined(); }

}  // namespace

class QsciEditorControlTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::clipboard()->clear(); }

    // Every byte survives set and get, whatever it is.
    void textIsByteExact_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("crlf") << QByteArray("<P>\r\n</P>\r\n");
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\n\re\r\r\n");
        QTest::newRow("lone cr at end") << QByteArray("end\r");
        QTest::newRow("nul bytes") << QByteArray("x\0y\0\0z"s.data(), 7);
        QTest::newRow("only nul") << QByteArray("\0"s.data(), 1);
        QTest::newRow("invalid utf-8") << QByteArray("\xff\xfe caf\xe9 \xc3\xa9 \xe2\x82 \xed\xa0\x80 \xf4\x90\x80\x80");
        QTest::newRow("truncated at end") << QByteArray("euro \xe2\x82");
        QTest::newRow("utf-8") << QByteArray("\xe2\x82\xac \xf0\x9f\x98\x80 \xc3\xbc");
        QByteArray big;
        for (int i = 0; i < 20000; ++i) big += QByteArray("<TD>line\r\n\xe9\0\n"s.data(), 15);
        QTest::newRow("large mixed") << big;
    }
    void textIsByteExact() {
        QFETCH(QByteArray, bytes);
        QsciEditorControl ed;
        const std::string expected(bytes.constData(), bytes.size());
        ed.setText(expected);
        QCOMPARE(ed.text(), expected);
        QCOMPARE(ed.length(), expected.size());
        QCOMPARE(ed.selStart(), 0u);
        QCOMPARE(ed.selLength(), 0u);
        // Again through a selection replacement in the middle of other text.
        ed.setText("[]");
        ed.setSelStart(1);
        ed.setSelText(expected);
        QCOMPARE(ed.text(), "[" + expected + "]");
        QCOMPARE(ed.selStart(), expected.size() + 1);
        // And loaded as a document.
        ed.loadText(expected);
        QCOMPARE(ed.text(), expected);
        QCOMPARE(ed.selStart(), 0u);
    }

    // The real control and the in-memory one agree on every operation the
    // commands use.
    void behavesLikeMemoryEditor_data() {
        using Script = EditorScript;
        QTest::addColumn<Script>("script");
        QTest::addColumn<bool>("compareSelection");
        const std::string text = "<HTML>\r\n<P>caf\xc3\xa9\r\nline2\nx\ry</P>\r\n";
        auto row = [](const char* name, Script s, bool sel = true) { QTest::newRow(name) << s << sel; };
        row("set text puts caret at start", [=](EditorControl& e) { e.setText(text); });
        row("caret in the middle", [=](EditorControl& e) { e.setText(text); e.setSelStart(5); });
        row("caret past the end clamps", [=](EditorControl& e) { e.setText(text); e.setSelStart(999); });
        row("selection forwards", [=](EditorControl& e) { e.setText(text); e.setSelStart(3); e.setSelLength(6); });
        row("selection past the end clamps", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(20);
            e.setSelLength(500);
        });
        row("set start collapses", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(3);
            e.setSelLength(6);
            e.setSelStart(4);
        });
        row("caret between cr and lf", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(7);
            e.setSelText("|");
        });
        row("caret inside a utf-8 character", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(15);
            e.setSelLength(1);
            e.setSelText("E");
        });
        row("replace selection", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(8);
            e.setSelLength(3);
            e.setSelText("<B>bold</B>");
        });
        row("replace with nul bytes", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(1);
            e.setSelLength(4);
            e.setSelText("\0\0\r"s);
        });
        row("delete selection", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(2);
            e.setSelLength(10);
            e.setSelText("");
        });
        row("insert into empty", [](EditorControl& e) { e.setSelText("<HR>"); });
        row("select all and replace", [=](EditorControl& e) {
            e.setText(text);
            e.selectAll();
            e.setSelText("new");
        });
        row("select all", [=](EditorControl& e) { e.setText(text); e.selectAll(); });
        row("cut and paste", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(0);
            e.setSelLength(6);
            e.cut();
            e.setSelStart(4);
            e.paste();
        });
        row("copy and paste over a selection", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(8);
            e.setSelLength(3);
            e.copy();
            e.setSelStart(0);
            e.setSelLength(2);
            e.paste();
        });
        row("cut without selection does nothing", [=](EditorControl& e) {
            e.setText(text);
            e.setSelStart(3);
            e.cut();
        });
        row("undo a replacement", [=](EditorControl& e) {
            e.setText(text);
            e.emptyUndoBuffer();
            e.setSelStart(3);
            e.setSelLength(2);
            e.setSelText("xyz");
            e.undo();
        }, false);
        row("undo a group of edits", [=](EditorControl& e) {
            e.setText(text);
            e.emptyUndoBuffer();
            e.beginUndoAction();
            e.setSelStart(0);
            e.setSelText("<B>");
            e.setSelStart(e.length());
            e.setSelText("</B>");
            e.endUndoAction();
            e.undo();
        }, false);
        row("load text over an edited text", [=](EditorControl& e) {
            e.setText("old");
            e.setSelStart(2);
            e.setSelText("x");
            e.loadText(text);
        });
        row("load text into empty", [=](EditorControl& e) { e.loadText(text); });
        row("load empty text", [=](EditorControl& e) {
            e.setText(text);
            e.loadText("");
        });
        row("edit after a load can be undone to the loaded text", [=](EditorControl& e) {
            e.setText("old");
            e.loadText(text);
            e.setSelStart(3);
            e.setSelLength(2);
            e.setSelText("xyz");
            e.undo();
        }, false);
        row("edit after a load stays undoable", [=](EditorControl& e) {
            e.loadText(text);
            e.setSelStart(3);
            e.setSelText("xyz");
        });
        row("undo set text", [=](EditorControl& e) {
            e.setText("old");
            e.emptyUndoBuffer();
            e.setText(text);
            e.undo();
        }, false);
    }
    void behavesLikeMemoryEditor() {
        using Script = EditorScript;
        QFETCH(Script, script);
        QFETCH(bool, compareSelection);
        quillane::testing::MemoryEditor memory;
        QsciEditorControl real;
        script(memory);
        QApplication::clipboard()->clear();
        script(real);
        QCOMPARE(real.text(), memory.text());
        QCOMPARE(real.canUndo(), memory.canUndo());
        if (compareSelection) {
            QCOMPARE(real.selStart(), memory.selStart());
            QCOMPARE(real.selLength(), memory.selLength());
            QCOMPARE(real.selText(), memory.selText());
        }
    }

    void plainUtf8CrLfEditor() {
        QsciEditorControl ed;
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETCODEPAGE), long(QsciScintillaBase::SC_CP_UTF8));
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETEOLMODE), long(QsciScintillaBase::SC_EOL_CRLF));
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETLEXER), long(QsciScintillaBase::SCLEX_NULL));
    }

    void enterInsertsCrLf() {
        QsciEditorControl ed;
        ed.show();
        ed.setText("ab");
        ed.setSelStart(1);
        QTest::keyClick(&ed, Qt::Key_Return);
        QCOMPARE(ed.text(), "a\r\nb"s);
        QCOMPARE(ed.selStart(), 3u);
    }

    void textModifiedOnlyForTextChanges() {
        QsciEditorControl ed;
        ed.show();
        QSignalSpy spy(&ed, &QsciEditorControl::textModified);
        struct Step {
            const char* what;
            std::function<void()> act;
            int notices;
        };
        const Step steps[] = {
            {"set text", [&] { ed.setText("one\r\ntwo"); }, 1},
            {"set the same text", [&] { ed.setText("one\r\ntwo"); }, 1},
            {"load text", [&] { ed.loadText("one\r\ntwo"); }, 1},
            {"load nothing into nothing", [&] {
                 ed.loadText("");
                 spy.clear();
                 ed.loadText("");
             }, 0},
            {"load text again", [&] { ed.loadText("one\r\ntwo"); }, 1},
            {"move the caret", [&] { ed.setSelStart(2); }, 0},
            {"select", [&] { ed.setSelLength(3); }, 0},
            {"replace the selection", [&] { ed.setSelText("X"); }, 1},
            {"empty into nothing", [&] { ed.setSelText(""); }, 0},
            {"define a style", [&] { ed.defineStyle(1, TextStyle{{255, 0, 0}, true}); }, 0},
            {"colour", [&] { ed.applyStyles({StyleSpan{0, 3, 1}}); }, 0},
            {"font", [&] { ed.setEditorFont("Monospace", 11, false); }, 0},
            {"wrap", [&] { ed.setRightMargin(3000); }, 0},
            {"type a key", [&] { QTest::keyClick(&ed, Qt::Key_A); }, 1},
            {"type over a selection", [&] {
                 ed.setSelStart(0);
                 ed.setSelLength(2);
                 QTest::keyClick(&ed, Qt::Key_B);
             }, 1},
            {"undo the typing", [&] { ed.undo(); }, 1},
            {"undo the key", [&] { ed.undo(); }, 1},
            {"undo a grouped replacement", [&] { ed.undo(); }, 1},
            {"select all", [&] { ed.selectAll(); }, 0},
        };
        for (const Step& step : steps) {
            spy.clear();
            step.act();
            QVERIFY2(spy.count() == step.notices,
                     qPrintable(QString("%1: %2 signals").arg(step.what).arg(spy.count())));
        }
    }

    // Colouring is no edit: no change signal, no undo step, colours survive
    // edits elsewhere and new text is plain.
    void applyStylesIsNotAnEdit() {
        QsciEditorControl ed;
        ed.show();
        ed.setText("<B>bold</B> plain <I>it</I>");
        ed.emptyUndoBuffer();
        ed.defineStyle(1, TextStyle{{0, 0, 255}, false});
        ed.defineStyle(2, TextStyle{{128, 0, 0}, true});
        QSignalSpy spy(&ed, &QsciEditorControl::textModified);
        QSignalSpy qsciChanged(&ed, &QsciScintilla::textChanged);
        ed.applyStyles({{0, 3, 1}, {7, 4, 1}, {18, 3, 2}, {24, 100, 2}, {500, 3, 1}});
        QCOMPARE(spy.count(), 0);
        QCOMPARE(qsciChanged.count(), 0);
        QVERIFY(!ed.canUndo());
        const int expected[] = {1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0};
        for (int i = 0; i < 12; ++i) QCOMPARE(StyleAt(ed, i), expected[i]);
        QCOMPARE(StyleAt(ed, 18), 2);
        QCOMPARE(StyleAt(ed, long(ed.length()) - 1), 2);

        // Applying again starts from plain text.
        ed.applyStyles({{4, 2, 2}});
        QCOMPARE(StyleAt(ed, 0), 0);
        QCOMPARE(StyleAt(ed, 4), 2);
        ed.applyStyles({{0, 3, 1}, {7, 4, 1}});

        ed.setSelStart(0);
        ed.setSelText("new ");
        ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
        QTest::qWait(0);
        QCOMPARE(StyleAt(ed, 0), 0);
        QCOMPARE(StyleAt(ed, 4), 1);
        QCOMPARE(StyleAt(ed, 11), 1);
        QCOMPARE(StyleAt(ed, 8), 0);
    }

    void fontKeepsStyleColours() {
        QsciEditorControl ed;
        ed.defineStyle(3, TextStyle{{10, 20, 30}, true});
        ed.setEditorFont("Monospace", 13, true);
        ed.defineStyle(4, TextStyle{{1, 2, 3}, false});
        for (long style : {long(QsciScintillaBase::STYLE_DEFAULT), 0L, 3L, 4L}) {
            QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, style), 13L);
            QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, style), 1L);
            char face[64] = {};
            ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, static_cast<unsigned long>(style), static_cast<void*>(face));
            QCOMPARE(QByteArray(face), QByteArray("Monospace"));
        }
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, 3L), 10L | (20L << 8) | (30L << 16));
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, 3L), 1L);
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, 4L), 1L | (2L << 8) | (3L << 16));
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, 4L), 0L);
        ed.setEditorFont("Serif", 9, false);
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, 3L), 0L);
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, 3L), 10L | (20L << 8) | (30L << 16));
    }

    void rightMarginSetsTheWrapWidth() {
        QsciEditorControl ed;
        ed.resize(800, 300);
        ed.show();
        QCOMPARE(ed.rightMargin(), 20000);
        QCOMPARE(ed.wrapWidthPixels(), 0);
        const double dpi = ed.logicalDpiX();
        ed.setRightMargin(quillane::PixelsToTwips(300, dpi));
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE), long(QsciScintillaBase::SC_WRAP_WORD));
        QCOMPARE(ed.wrapWidthPixels(), 300);
        ed.resize(600, 300);
        QCOMPARE(ed.wrapWidthPixels(), 300);
        // Wider than the window: wraps at the window's edge.
        QVERIFY(quillane::TwipsToPixels(19999, dpi) > ed.viewport()->width());
        ed.setRightMargin(19999);
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE), long(QsciScintillaBase::SC_WRAP_WORD));
        QVERIFY(ed.wrapWidthPixels() > 0 && ed.wrapWidthPixels() <= ed.viewport()->width());
        ed.setRightMargin(20000);
        QCOMPARE(ed.SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE), long(QsciScintillaBase::SC_WRAP_NONE));
        QCOMPARE(ed.rightMargin(), 20000);
        QCOMPARE(ed.wrapWidthPixels(), 0);
    }

    // Words alternate between a style and its twin of the same look, so
    // that the editor measures short runs; the styles read back as applied.
    void wordsAlternateBetweenTwinStyles() {
        QsciEditorControl ed;
        ed.setText("<A HREF=x>one two</A>");
        ed.defineStyle(1, TextStyle{{0, 0, 255}, true});
        ed.applyStyles({{0, 10, 1}, {17, 4, 1}});
        const int expected[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1};
        for (int i = 0; i < 21; ++i) QCOMPARE(StyleAt(ed, i), expected[i]);
        auto raw = [&](long pos) { return ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos); };
        QVERIFY(raw(0) != raw(3));    // "<A " and "HREF=x>"
        QVERIFY(raw(10) != raw(14));  // "one " and "two"
        ed.setEditorFont("Serif", 13, true);
        for (auto [a, b] : {std::pair{0L, 3L}, std::pair{14L, 10L}}) {
            for (int property : {QsciScintillaBase::SCI_STYLEGETFORE, QsciScintillaBase::SCI_STYLEGETITALIC,
                                 QsciScintillaBase::SCI_STYLEGETSIZE, QsciScintillaBase::SCI_STYLEGETBOLD})
                QCOMPARE(ed.SendScintilla(property, raw(b)), ed.SendScintilla(property, raw(a)));
        }
        // Loaded text is plain, in the same word runs.
        ed.loadText("one two");
        QCOMPARE(StyleAt(ed, 4), 0);
        QVERIFY(raw(0) != raw(4));
    }

    void stylesEndCompleteAfterIdleSlices() {
        QsciEditorControl ed;
        ed.resize(400, 300);
        ed.show();
        const std::string page = LargeColouredPage();
        ed.loadText(page);
        const std::vector<StyleSpan> spans = quillane::ComputeTagColours(page, {}).spans;
        ed.applyStyles(spans);
        // The lines on show are coloured at once, the rest later.
        QVERIFY(ed.stylesPending());
        QCOMPARE(StyleAt(ed, 1), int(quillane::kTagStyle));
        QTRY_VERIFY_WITH_TIMEOUT(!ed.stylesPending(), 20000);
        QVERIFY(HeldStyles(ed) == SpanStyles(spans, page.size()));
    }

    void typingWhileStylesArePendingKeepsThemWithTheirText() {
        QMainWindow window;
        auto* ed = new QsciEditorControl(&window);
        window.setCentralWidget(ed);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ed->setFocus();
        const std::string page = LargeColouredPage();
        ed->loadText(page);
        const std::vector<StyleSpan> spans = quillane::ComputeTagColours(page, {}).spans;
        ed->applyStyles(spans);
        QVERIFY(ed->stylesPending());
        std::vector<int> expected = SpanStyles(spans, page.size());
        // At the start, inside a tag far down and inside a comment at the end;
        // then one byte deleted inside a tag.
        const std::size_t inTag = page.size() / 2 + 3;
        const std::size_t inComment = page.size() - 10;
        QCOMPARE(expected[inTag], int(quillane::kTagStyle));
        QCOMPARE(expected[inComment], int(quillane::kCommentStyle));
        for (std::size_t at : {inComment, inTag, std::size_t(0)}) {
            ed->setSelStart(at);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
            expected.insert(expected.begin() + long(at), 0);
        }
        ed->setSelStart(inTag + 5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        expected.erase(expected.begin() + long(inTag + 5));
        QCOMPARE(ed->textView().substr(0, 2), std::string_view("x<"));
        QTRY_VERIFY_WITH_TIMEOUT(!ed->stylesPending(), 20000);
        const std::vector<int> held = HeldStyles(*ed);
        QCOMPARE(held.size(), expected.size());
        for (std::size_t i = 0; i < held.size(); ++i)
            if (held[i] != expected[i]) QFAIL(qPrintable(QString("style %1 at %2, expected %3").arg(held[i]).arg(i).arg(expected[i])));
    }

    void releasedShortcutsReachTheMenu() {
        QMainWindow window;
        auto* ed = new QsciEditorControl(&window);
        window.setCentralWidget(ed);
        QAction* lowerCase = window.addAction("Lower");
        lowerCase->setShortcut(QKeySequence("Ctrl+L"));
        QSignalSpy triggered(lowerCase, &QAction::triggered);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ed->setFocus();

        QsciCommandSet* commands = ed->standardCommands();
        for (const char* key : {"Ctrl+L", "Ctrl+T", "Ctrl+D", "Ctrl+U"})
            QVERIFY2(commands->boundTo(KeyOf(key)) != nullptr, key);

        ed->releaseShortcuts({QKeySequence("Ctrl+L"), QKeySequence("Ctrl+T"), QKeySequence("Ctrl+D"),
                              QKeySequence("Ctrl+U")});
        for (const char* key : {"Ctrl+L", "Ctrl+T", "Ctrl+D", "Ctrl+U"})
            QVERIFY2(commands->boundTo(KeyOf(key)) == nullptr, key);
        for (const char* key : {"Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Y", "Home", "End", "Left"})
            QVERIFY2(commands->boundTo(KeyOf(key)) != nullptr, key);

        ed->setText("one\r\ntwo\r\n");
        ed->setSelStart(1);
        QTest::keyClick(ed, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(ed, Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(ed, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(ed->text(), "one\r\ntwo\r\n"s);
        QCOMPARE(triggered.count(), 1);
        // The usual editing keys still work.
        QTest::keyClick(ed, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ed->selLength(), ed->length());
    }
};

QTEST_MAIN(QsciEditorControlTest)
#include "qsci_editor_control_test.moc"
