#include <QTest>
#include <string>

#include "app/ui/ui_test_app.h"

using namespace quillane;
using namespace quillane::testing;

class LargePageTest : public QObject {
    Q_OBJECT

private slots:
    // A long page opens with word wrap on without every line being wrapped
    // first: the lines on show are wrapped when painted, the rest in idle time.
    void opensBeforeItIsWrapped() {
        std::string line = "<P>";
        while (line.size() < 1000) line += "words of a paragraph long enough to wrap in any window ";
        line += "</P>\r\n";
        std::string page;
        for (int k = 0; k < 3000; ++k) page += line;
        TempFolder source;
        const std::string path = source.write("long.htm", page);
        UiTestApp app({path});
        QsciEditorControl& editor = app.editor();
        QCOMPARE(app.active()->caption(), path);
        QVERIFY(app.active()->wordWrapChecked());
        QCOMPARE(editor.text(), page);
        const unsigned long last = 2999;
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_WRAPCOUNT, last), 1L);
        QTRY_VERIFY(editor.SendScintilla(QsciScintillaBase::SCI_WRAPCOUNT, 0UL) > 1);
        QTRY_VERIFY(editor.SendScintilla(QsciScintillaBase::SCI_WRAPCOUNT, last) > 1);
    }
};

QTEST_MAIN(LargePageTest)
#include "large_page_test.moc"
