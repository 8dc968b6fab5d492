#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "platform/qt/qt_clipboard.h"

class QtClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void textTravelsAsUtf8() {
        quillane::QtClipboard clipboard;
        const std::string text = "<P>caf\xc3\xa9 \xe2\x82\xac</P>\r\nnext";
        clipboard.setText(text);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("<P>caf\xc3\xa9 \xe2\x82\xac</P>\r\nnext"));
        QCOMPARE(clipboard.text(), text);
        QApplication::clipboard()->setText(QString::fromUtf8("\xc3\xbc"));
        QCOMPARE(clipboard.text(), std::string("\xc3\xbc"));
    }
};

QTEST_MAIN(QtClipboardTest)
#include "qt_clipboard_test.moc"
