#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include "platform/help_topics.h"
#include "platform/qt/qt_help_viewer.h"

using quillane::QtHelpViewer;

namespace {

// Resolved by name: the data folder need not exist.
const QString kHelpFolder = QDir::cleanPath(TEST_DATA_DIR "/../../resources/help") + "/";

QString ShownPage(const QtHelpViewer& viewer) { return QFileInfo(viewer.browser()->source().toLocalFile()).fileName(); }

}  // namespace

class QtHelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void opensTopicsByContextNumber() {
        QtHelpViewer viewer(kHelpFolder);
        QVERIFY(viewer.window() == nullptr);
        viewer.showTopic(10);
        QVERIFY(viewer.window() != nullptr);
        QCOMPARE(viewer.window()->objectName(), QString("HelpWindow"));
        QVERIFY(viewer.window()->isVisible());
        QVERIFY(!viewer.window()->isModal());
        QCOMPARE(ShownPage(viewer), QString("tutorial.html"));
        QVERIFY(viewer.browser()->toPlainText().contains("Tutorial"));

        struct Row {
            int context;
            const char* page;
            const char* heading;
        };
        const Row rows[] = {
            {33, "glossary.html", "HTML Glossary"},        {40, "howto.html", "How to use Quillane"},
            {42, "upload.html", "How to upload to the Web"}, {18, "index.html", "Quillane Help"},
            {10, "tutorial.html", "your first Web page"},
        };
        QWidget* window = viewer.window();
        for (const Row& row : rows) {
            viewer.showTopic(row.context);
            QCOMPARE(viewer.window(), window);  // one window, reused
            QCOMPARE(ShownPage(viewer), QString(row.page));
            QVERIFY2(viewer.browser()->toPlainText().contains(row.heading), row.page);
        }
        viewer.showContents();
        QCOMPARE(ShownPage(viewer), QString("index.html"));
    }

    // Every page the contents links to is shipped, and every shipped page
    // links back to the contents.
    void shippedPagesLinkUp() {
        const QStringList pages = QDir(kHelpFolder).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.contains("index.html"));
        QStringList linked;
        for (const QString& page : pages) {
            QFile file(kHelpFolder + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains("<title>"), qPrintable(page));
            auto links = QRegularExpression("href=\"([^\"#:]+)\"").globalMatch(html);
            while (links.hasNext()) {
                const QString target = links.next().captured(1);
                QVERIFY2(QFileInfo::exists(kHelpFolder + target), qPrintable(page + " -> " + target));
                linked << target;
            }
            if (page != "index.html") QVERIFY2(html.contains("href=\"index.html\""), qPrintable(page));
        }
        for (int context : {10, 33, 40, 42})
            QVERIFY(linked.contains(QString::fromStdString(quillane::HelpTopicPage(context))));
    }

    // Help asked for from a modal dialog takes clicks while the dialog is
    // still open, and the dialog goes on working.
    void helpFromAModalDialogTakesInput() {
        QWidget mainWindow;
        mainWindow.show();
        QtHelpViewer viewer(kHelpFolder, &mainWindow);
        QDialog dialog(&mainWindow);
        auto* help = new QPushButton("Help", &dialog);
        QObject::connect(help, &QPushButton::clicked, [&] { viewer.showTopic(10); });

        bool driven = false;
        QTimer::singleShot(0, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            QTest::mouseClick(help, Qt::LeftButton);
            QWidget* window = viewer.window();
            QVERIFY(window && window->isVisible());
            QCOMPARE(ShownPage(viewer), QString("tutorial.html"));
            // A click through the window system, where modality is enforced.
            auto* contents = window->findChild<QPushButton*>("HelpContents");
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                              contents->mapTo(window, contents->rect().center()));
            QCOMPARE(ShownPage(viewer), QString("index.html"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            driven = true;
            dialog.accept();
        });
        QTimer::singleShot(10000, &dialog, &QDialog::reject);  // never left waiting
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(driven);
    }

    void missingFolderSaysSo() {
        QtHelpViewer viewer("/nonexistent/help");
        viewer.showTopic(40);
        QVERIFY(viewer.window()->isVisible());
        QVERIFY(viewer.browser()->toPlainText().contains("/nonexistent/help/howto.html"));
    }
};

QTEST_MAIN(QtHelpViewerTest)
#include "qt_help_viewer_test.moc"
