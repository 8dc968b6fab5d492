#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/ui/advanced_image_dialog.h"
#include "builders/ui/image_dialog.h"
#include "builders/ui/image_dialog_commands.h"
#include "builders/ui/usemap_dialog.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::MarkedText;
using quillane::testing::SetMarkedText;
using quillane::testing::TestApp;

namespace {

// One open document, saved as /web/page.htm unless told otherwise.
struct Fixture {
    explicit Fixture(const std::string& marked = "|", const std::string& caption = "/web/page.htm") {
        NewDocument(app.ctx);
        app.active()->setCaption(caption);
        SetMarkedText(app.editor(), marked);
    }
    DocumentView& view() { return *app.active(); }
    std::string marked() { return MarkedText(app.editor()); }
    TestApp app;
};

template <typename T>
T* Child(QWidget* dialog, const char* name) {
    T* found = dialog->findChild<T*>(name);
    if (!found) qWarning("no child %s", name);
    return found;
}

void Click(QWidget* dialog, const char* name) {
    auto* button = Child<QAbstractButton>(dialog, name);
    // A check box answers on its box and caption only, not across its whole width.
    const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void Type(QWidget* dialog, const char* name, const QString& text) {
    QWidget* w = Child<QWidget>(dialog, name);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setEditText(text);
    else qobject_cast<QLineEdit*>(w)->setText(text);
}

// Chooses a list item as the user does, so that the choice counts.
void Choose(QWidget* dialog, const char* name, const QString& item) {
    auto* combo = Child<QComboBox>(dialog, name);
    const int index = combo->findText(item);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Runs `step` on the modal dialog a blocking call opens, once it is open.
void WhenModal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        step(modal);
    });
}

QString LabelText(QWidget* dialog, const char* name) { return Child<QLabel>(dialog, name)->text(); }

}  // namespace

class ImageDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void imageDialogNamesItsControls() {
        Fixture f("a[pic.gif]b");
        LinkGraph dialog(f.app.ctx, f.view());
        QCOMPARE(dialog.objectName(), QString("LinkGraph"));
        QCOMPARE(dialog.windowTitle(), QString("Insert Inline Image"));
        QVERIFY(dialog.isModal());
        for (const char* name : {"GraphText", "Alt", "Text8", "Text1", "Text2", "Text3", "Text4", "Text5"})
            QVERIFY2(dialog.findChild<QLineEdit*>(name), name);
        for (const char* name : {"SSCommand2", "SSCommand3", "SSCommand4", "SSCheck1", "LgraphOK", "CANCELBUT",
                                 "Command4", "SSCommand1"})
            QVERIFY2(dialog.findChild<QAbstractButton*>(name), name);
        for (const char* name : {"SSFrame1", "SSFrame2", "SSFrame3", "Frame2"})
            QVERIFY2(dialog.findChild<QGroupBox*>(name), name);
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame2")->title(), QString("Align Preview"));
        QCOMPARE(Child<QLineEdit>(&dialog, "GraphText")->text(), QString("pic.gif"));
        QCOMPARE(Child<QPushButton>(&dialog, "LgraphOK")->text(), QString("&OK"));
        QCOMPARE(Child<QPushButton>(&dialog, "CANCELBUT")->text(), QString("&Cancel"));
        QCOMPARE(Child<QPushButton>(&dialog, "Command4")->text(), QString("&Advanced..."));
        QCOMPARE(LabelText(&dialog, "Label13"),
                 QString("Relative directory names will not be entered until the HTML file is saved."));

        auto* align = Child<QComboBox>(&dialog, "Combo1");
        QCOMPARE(align->currentIndex(), -1);
        QCOMPARE(align->count(), 10);
        QCOMPARE(align->itemText(3), QString("Bottom(Default)"));
        auto* link = Child<QComboBox>(&dialog, "XimageLink");
        QVERIFY(!link->isEnabled());
        QVERIFY(!Child<QToolButton>(&dialog, "SSCommand4")->isEnabled());
        QCOMPARE(link->count(), 16);
        QCOMPARE(link->itemText(0), QString("http://"));
        QCOMPARE(link->currentText(), QString());
    }

    void imageOkInsertsExactlyAndCloses() {
        Fixture f("x[a.gif]y");
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        Click(&dialog, "LgraphOK");
        QCOMPARE(f.marked(), std::string("x<IMG SRC=\"a.gif\">|y"));
        QCOMPARE(f.app.ctx.undoText, std::string("xa.gify"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(f.app.messages.shown.empty());

        // Every field, the alignment and a link.
        Fixture g("|");
        LinkGraph full(g.app.ctx, g.view());
        full.show();
        Type(&full, "GraphText", "img/a.gif");
        Type(&full, "Alt", "Logo");
        Type(&full, "Text8", "lo.gif");
        Type(&full, "Text1", "10");
        Type(&full, "Text2", "20");
        Type(&full, "Text3", "0");
        Type(&full, "Text4", "1");
        Type(&full, "Text5", "2");
        Choose(&full, "Combo1", "Bottom(Default)");
        Click(&full, "SSCheck1");
        Type(&full, "XimageLink", "Page.htm");
        Click(&full, "LgraphOK");
        QCOMPARE(g.marked(), std::string("<A HREF=\"Page.htm\"><IMG SRC=\"img/a.gif\" LOWSRC=\"lo.gif\" ALT=\"Logo\""
                                         " ALIGN=Bottom WIDTH=10 HEIGHT=20 BORDER=0 VSPACE=1 HSPACE=2></A>|"));
    }

    void imageChecksKeepTheDialogOpen_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no file") << "" << "" << "Please enter image filename in the box below." << "GraphText";
        QTest::newRow("bare http") << "a.gif" << "HTTP://"
                                   << "Please enter URL or the filename of an External image or Sound to be linked "
                                      "in the appropriate box"
                                   << "XimageLink";
    }
    void imageChecksKeepTheDialogOpen() {
        QFETCH(QString, file);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f("ab|");
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        Type(&dialog, "GraphText", file);
        Click(&dialog, "SSCheck1");
        Type(&dialog, "XimageLink", target);
        Click(&dialog, "LgraphOK");
        QCOMPARE(f.app.messages.texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), Child<QWidget>(&dialog, focus.toUtf8().constData()));
        QCOMPARE(f.marked(), std::string("ab|"));
    }

    void linkBoxFollowsTheCheckBox() {
        Fixture f;
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        auto* link = Child<QComboBox>(&dialog, "XimageLink");
        Click(&dialog, "SSCheck1");
        QVERIFY(link->isEnabled());
        QVERIFY(Child<QToolButton>(&dialog, "SSCommand4")->isEnabled());
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(link));
        Click(&dialog, "SSCheck1");
        QVERIFY(!link->isEnabled());
        QVERIFY(!Child<QToolButton>(&dialog, "SSCommand4")->isEnabled());
    }

    void alignChoiceAndPreview() {
        Fixture f("[a.gif]");
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        auto* explanation = Child<QLabel>(&dialog, "Label12");
        QVERIFY(!explanation->isVisible());
        Choose(&dialog, "Combo1", "Left");
        QVERIFY(explanation->isVisible());
        QCOMPARE(explanation->text(), QString("Aligns image to the left margin and wraps multiple lines of text next to "
                                              "(to the right of) the image."));
        QCOMPARE(LabelText(&dialog, "NeighbourText"), QString("This is neighboring text and more text."));
        QCOMPARE(dialog.alignValue(), std::string(" ALIGN=Left"));
        Choose(&dialog, "Combo1", "Absmiddle");
        QCOMPARE(LabelText(&dialog, "NeighbourText"), QString("This is neighboring text."));
        QCOMPARE(dialog.alignValue(), std::string(" ALIGN=Absmiddle"));
        Choose(&dialog, "Combo1", "None");
        QVERIFY(!explanation->isVisible());
        QCOMPARE(dialog.alignValue(), std::string());
        Click(&dialog, "LgraphOK");
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\">|"));
    }

    void enterRunsOkOnlyInItsBoxes() {
        Fixture f("[a.gif]");
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        QTest::keyClick(Child<QLineEdit>(&dialog, "Text8"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.marked(), std::string("[a.gif]"));
        QTest::keyClick(Child<QLineEdit>(&dialog, "Text3"), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\">|"));

        // In the Advanced dialog: the video box runs its OK, the map name does not.
        Fixture g;
        Video video(g.app.ctx, nullptr);
        video.show();
        Click(&video, "SSCheck2");
        QTest::keyClick(Child<QLineEdit>(&video, "Text7"), Qt::Key_Return);
        QVERIFY(video.isVisible());
        DialogDriver::clickInto(&video, "Combo2");
        DialogDriver::pressInFocus(Qt::Key_Enter);
        QVERIFY(!video.isVisible());
        QCOMPARE(video.result(), int(QDialog::Accepted));
    }

    void cancelAndCloseClearEditTagMode() {
        Fixture f("[<IMG SRC=a.gif>]");
        for (const char* how : {"cancel", "close", "escape"}) {
            f.app.ctx.editTagMode = true;
            LinkGraph dialog(f.app.ctx, f.view());
            dialog.show();
            if (!strcmp(how, "cancel")) Click(&dialog, "CANCELBUT");
            else if (!strcmp(how, "close")) dialog.close();
            else QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY2(!f.app.ctx.editTagMode, how);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(f.marked(), std::string("[<IMG SRC=a.gif>]"));
        }
        f.app.ctx.editTagMode = true;
        UseMap map(f.app.ctx, f.view());
        map.show();
        Click(&map, "Command1");
        QVERIFY(!f.app.ctx.editTagMode);
    }

    void advancedDialogAddsItsAttributes() {
        Fixture f("[a.gif]");
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        WhenModal([](QWidget* video) {
            QCOMPARE(video->objectName(), QString("Video"));
            QCOMPARE(video->windowTitle(), QString("Advanced Inline Image"));
            QCOMPARE(Child<QLineEdit>(video, "Text1")->text(), QString());
            QVERIFY(!Child<QLineEdit>(video, "Text7")->isEnabled());
            QVERIFY(!Child<QLabel>(video, "Label15")->isEnabled());
            QCOMPARE(Child<QCheckBox>(video, "SSCheck2")->text(), QString("USEMAP - Client Side ImageMap  "));
            QCOMPARE(Child<QComboBox>(video, "Combo2")->count(), 11);
            QCOMPARE(Child<QComboBox>(video, "Combo1")->itemText(2), QString("FileOpen and MouseOver"));
            Type(video, "Text1", "clip.avi");
            Choose(video, "Combo2", "3");
            Type(video, "Combo2", "7");  // typed, not chosen: not used
            Choose(video, "Combo1", "MouseOver");
            Click(video, "SSCheck1");
            Click(video, "SSCheck2");
            QVERIFY(Child<QLineEdit>(video, "Text7")->isEnabled());
            Type(video, "Text7", "nav");
            Click(video, "SSCheck3");
            Click(video, "Command2");
        });
        Click(&dialog, "Command4");
        QCOMPARE(dialog.advanced(), (AdvancedImageAttributes{" DYNSRC=\"clip.avi\" LOOP=3 START=MouseOver CONTROLS",
                                                              " ISMAP USEMAP=\"#nav\""}));

        // Cancel leaves the attributes, and the fields, as they were.
        WhenModal([](QWidget* video) {
            QCOMPARE(Child<QLineEdit>(video, "Text1")->text(), QString("clip.avi"));
            Type(video, "Text1", "other.avi");
            Click(video, "Command1");
        });
        Click(&dialog, "Command4");
        QCOMPARE(dialog.advanced().videoGroup, std::string(" DYNSRC=\"clip.avi\" LOOP=3 START=MouseOver CONTROLS"));
        QCOMPARE(Child<QLineEdit>(dialog.advancedDialog(), "Text1")->text(), QString("clip.avi"));

        Click(&dialog, "LgraphOK");
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\" DYNSRC=\"clip.avi\" LOOP=3 START=MouseOver CONTROLS"
                                         " ISMAP USEMAP=\"#nav\">|"));

        // The next image dialog starts without them.
        LinkGraph next(f.app.ctx, f.view());
        next.show();
        Type(&next, "GraphText", "b.gif");
        Click(&next, "LgraphOK");
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\" DYNSRC=\"clip.avi\" LOOP=3 START=MouseOver CONTROLS"
                                         " ISMAP USEMAP=\"#nav\"><IMG SRC=\"b.gif\">|"));
    }

    void browseButtonsFillRelativeNames() {
        Fixture f;
        f.app.ctx.settings.ImageDirectory = "/web/pics/";
        f.app.ctx.settings.WorkingDirectory = "/web/";
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.show();
        f.app.dialogs.fileAnswers = {std::string("/web/img/logo.gif"), std::nullopt, std::string("/web/lo/small.gif"),
                                     std::string("/web/sounds/ding.wav")};

        Click(&dialog, "SSCommand2");
        QCOMPARE(Child<QLineEdit>(&dialog, "GraphText")->text(), QString("img/logo.gif"));
        QCOMPARE(f.app.dialogs.fileRequests[0].startFolder, std::optional<std::string>("/web/pics/"));
        QCOMPARE(f.app.dialogs.fileRequests[0].filterIndex, 2);
        QCOMPARE(dialog.focusWidget(), Child<QWidget>(&dialog, "GraphText"));

        Click(&dialog, "SSCommand3");  // cancelled: nothing changes
        QCOMPARE(Child<QLineEdit>(&dialog, "Text8")->text(), QString());
        QCOMPARE(f.app.dialogs.fileRequests[1].startFolder, std::optional<std::string>("/web/img/"));
        Click(&dialog, "SSCommand3");
        QCOMPARE(Child<QLineEdit>(&dialog, "Text8")->text(), QString("lo/small.gif"));

        Click(&dialog, "SSCheck1");
        Click(&dialog, "SSCommand4");
        const FileDialogRequest& linkRequest = f.app.dialogs.fileRequests[3];
        QCOMPARE(linkRequest.filterIndex, 7);
        QCOMPARE(linkRequest.startFolder, std::optional<std::string>("/web/"));
        QCOMPARE(Child<QComboBox>(&dialog, "XimageLink")->currentText(), QString("ding.wav"));
        QCOMPARE(f.app.ctx.lastImageFolder, std::optional<std::string>("/web/"));
    }

    void editTagFillsBothDialogs() {
        const std::string tag = "<IMG SRC=\"a.gif\" LOWSRC=\"lo.gif\" DYNSRC=\"v.avi\" LOOP=5 START=FileOpen CONTROLS"
                                " ALT=\"Logo\" ALIGN=Bottom WIDTH=10 HEIGHT=20 BORDER=1 VSPACE=3 HSPACE=4 ISMAP"
                                " USEMAP=\"#nav\">";
        Fixture f("x[" + tag + "]y");
        f.app.ctx.editTagMode = true;
        LinkGraph dialog(f.app.ctx, f.view());
        dialog.fillFromTag(tag.substr(1));
        QCOMPARE(f.app.ctx.undoText, "x" + tag + "y");
        dialog.show();
        Video* video = dialog.advancedDialog();
        QVERIFY(video);
        QVERIFY(!video->isVisible());
        QCOMPARE(Child<QLineEdit>(video, "Text1")->text(), QString("v.avi"));
        QCOMPARE(Child<QComboBox>(video, "Combo2")->currentText(), QString("5"));
        QCOMPARE(Child<QComboBox>(video, "Combo1")->currentText(), QString("FileOpen"));
        QVERIFY(Child<QCheckBox>(video, "SSCheck1")->isChecked());
        QVERIFY(Child<QCheckBox>(video, "SSCheck2")->isChecked());
        QCOMPARE(Child<QLineEdit>(video, "Text7")->text(), QString("nav"));
        QVERIFY(Child<QCheckBox>(video, "SSCheck3")->isChecked());
        QCOMPARE(Child<QLineEdit>(&dialog, "GraphText")->text(), QString("a.gif"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text8")->text(), QString("lo.gif"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Alt")->text(), QString("Logo"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo1")->currentText(), QString("Bottom(Default)"));
        QVERIFY(Child<QLabel>(&dialog, "Label12")->isVisible());

        // Changed width; everything else comes back as it was.
        Type(&dialog, "Text1", "99");
        Click(&dialog, "LgraphOK");
        std::string changed = tag;
        changed.replace(changed.find("WIDTH=10"), 8, "WIDTH=99");
        QCOMPARE(f.marked(), "x" + changed + "|y");
        QVERIFY(!f.app.ctx.editTagMode);
    }

    void editImageTagOpensTheDialogModally() {
        Fixture f("[<img src=a.gif align=texttop>]");
        f.app.ctx.editTagMode = true;
        WhenModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QString("LinkGraph"));
            QCOMPARE(Child<QComboBox>(dialog, "Combo1")->currentText(), QString("Texttop"));
            Type(dialog, "Alt", "A");
            Click(dialog, "LgraphOK");
        });
        EditImageTag(f.app.ctx, f.view(), nullptr, "img src=a.gif align=texttop>");
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\" ALT=\"A\" ALIGN=texttop>|"));
        QVERIFY(!f.app.ctx.editTagMode);
    }

    void useMapNamesItsControlsAndShapes() {
        Fixture f;
        UseMap dialog(f.app.ctx, f.view());
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("UseMap"));
        QCOMPARE(dialog.windowTitle(), QString("UseMap - Client Side ImageMap"));
        QCOMPARE(Child<QGroupBox>(&dialog, "SSFrame1")->title(), QString("Shape"));
        for (const char* name : {"Command3", "Command2", "Command1", "SSOption1", "SSOption2", "SSOption3"})
            QVERIFY2(dialog.findChild<QAbstractButton*>(name), name);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo2")->itemText(0), QString("_Blank"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo1")->itemText(0), QString("http://"));
        for (const char* name : {"SSOption1", "SSOption2", "SSOption3"})
            QVERIFY(!Child<QAbstractButton>(&dialog, name)->isChecked());
        auto visibleBoxes = [&]() -> QStringList {
            QStringList out;
            for (int n = 2; n <= 7; ++n) {
                const QByteArray box = "Text" + QByteArray::number(n);
                const QByteArray label = "Label" + QByteArray::number(n);
                if (Child<QLineEdit>(&dialog, box)->isVisible() != Child<QLabel>(&dialog, label)->isVisible())
                    out << "box and label differ: " + QString(box);
                if (Child<QLineEdit>(&dialog, box)->isVisible()) out << Child<QLabel>(&dialog, label)->text();
            }
            return out;
        };
        QCOMPARE(visibleBoxes(), QStringList());
        Click(&dialog, "SSOption3");
        QCOMPARE(visibleBoxes().size(), 6);
        Click(&dialog, "SSOption1");
        QCOMPARE(visibleBoxes(), (QStringList{"Circle center X-coordinate:", "Circle center Y-coordinate:",
                                              "Circle radius:"}));
        Click(&dialog, "SSOption2");
        QCOMPARE(visibleBoxes(), (QStringList{"Upper left X-coordinate:", "Upper left Y-coordinate:",
                                              "Lower right X-coordinate:", "Lower right Y-coordinate:"}));
        QCOMPARE(f.app.ctx.imageMapShape, std::string("Rect"));
    }

    // The shape buttons keep their size and share the frame evenly whatever
    // the shape shows and however wide the dialog is.
    void useMapShapeButtonsStayEven() {
        Fixture f;
        UseMap dialog(f.app.ctx, f.view());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* frame = Child<QGroupBox>(&dialog, "SSFrame1");
        for (const char* shape : {"SSOption1", "SSOption2", "SSOption3"}) {
            Click(&dialog, shape);
            for (int width : {0, 500, 900}) {
                if (width) dialog.resize(width, dialog.height());
                QTest::qWait(20);
                QList<QRect> rects;
                for (const char* name : {"SSOption1", "SSOption2", "SSOption3"}) {
                    auto* button = Child<QToolButton>(&dialog, name);
                    QVERIFY2(button->height() >= button->sizeHint().height(), shape);
                    rects << button->geometry();
                }
                for (const QRect& r : rects) QVERIFY(qAbs(r.width() - rects[0].width()) <= 1);
                const int gap1 = rects[1].left() - rects[0].right();
                const int gap2 = rects[2].left() - rects[1].right();
                QVERIFY(qAbs(gap1 - gap2) <= 1);
                // Together they span the frame, margins aside.
                QVERIFY(rects[2].right() - rects[0].left() > frame->contentsRect().width() * 3 / 4);
            }
        }
    }

    // Loop and Start take only what is chosen from their lists: a list entry
    // typed into the box, left with Tab, is not a choice.
    void advancedTypedLoopAndStartAreNotChosen() {
        Fixture g;
        Video video(g.app.ctx, nullptr);
        video.show();
        DialogDriver::clickAndType(&video, "Text1", "clip.avi");
        DialogDriver::clickAndType(&video, "Combo2", "Infinite Loop");
        DialogDriver::pressInFocus(Qt::Key_Tab);
        DialogDriver::clickAndType(&video, "Combo1", "MouseOver");
        DialogDriver::pressInFocus(Qt::Key_Tab);
        DialogDriver::clickInto(&video, "Text1");
        DialogDriver::pressInFocus(Qt::Key_Return);
        QCOMPARE(video.result(), int(QDialog::Accepted));
        QCOMPARE(video.fields().loop, std::string());
        QCOMPARE(video.fields().start, std::string());
    }

    void useMapInsertsAreasThenDone() {
        Fixture f("<BODY>|</BODY>");
        UseMap dialog(f.app.ctx, f.view());
        dialog.show();
        Type(&dialog, "Text1", "nav");
        Type(&dialog, "Combo1", "a.htm");
        Click(&dialog, "SSOption1");
        Type(&dialog, "Text2", "10");
        Type(&dialog, "Text3", "20");
        Type(&dialog, "Text4", "5");
        Click(&dialog, "Command3");
        QVERIFY(dialog.isVisible());
        QCOMPARE(Child<QLineEdit>(&dialog, "Text2")->text(), QString());
        Click(&dialog, "SSOption2");
        Type(&dialog, "Text2", "0");
        Type(&dialog, "Text3", "0");
        Type(&dialog, "Text4", "9");
        Type(&dialog, "Text5", "9");
        Type(&dialog, "Combo2", "_Top");
        QTest::keyClick(Child<QLineEdit>(&dialog, "Text5"), Qt::Key_Return);  // Enter inserts too
        Click(&dialog, "Command2");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.marked(), std::string("<BODY><MAP NAME=\"nav\">\r\n"
                                         "<AREA SHAPE=Circle COORDS=\"10,20 5\" HREF=\"a.htm\">\r\n"
                                         "<AREA SHAPE=Rect COORDS=\"0,0 9,9\" HREF=\"a.htm\" TARGET=\"_Top\">\r\n"
                                         "</MAP>|</BODY>"));
        QVERIFY(f.app.messages.shown.empty());
    }

    void useMapRefusalKeepsItOpen() {
        Fixture f;
        UseMap dialog(f.app.ctx, f.view());
        dialog.show();
        Type(&dialog, "Combo1", "http://");
        Click(&dialog, "Command3");
        Type(&dialog, "Combo1", "a.htm");
        Click(&dialog, "Command3");
        QCOMPARE(f.app.messages.texts(),
                 (std::vector<std::string>{"Enter URL to link image area to.", "Enter a name for your image map."}));
        QCOMPARE(dialog.focusWidget(), Child<QWidget>(&dialog, "Text1"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.marked(), std::string("|"));
        QVERIFY(!dialog.sequence().mapStarted());
    }

    void commandsAreRegistered() {
        Fixture f("[a.gif]");
        CommandTable table;
        RegisterImageDialogs(table, nullptr);
        QVERIFY(table.has("Graphics"));
        QVERIFY(table.has("mnuUsemap"));
        WhenModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QString("LinkGraph"));
            Click(dialog, "LgraphOK");
        });
        table.run("Graphics", f.app.ctx, nullptr);
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\">|"));
        WhenModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QString("UseMap"));
            Click(dialog, "Command2");
        });
        table.run("mnuUsemap", f.app.ctx, &f.view());
        QCOMPARE(f.marked(), std::string("<IMG SRC=\"a.gif\"></MAP>|"));
    }
};

QTEST_MAIN(ImageDialogsTest)
#include "image_dialogs_test.moc"
