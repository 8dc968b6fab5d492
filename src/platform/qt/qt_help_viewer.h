#pragma once
#include <QPointer>
#include <QString>
#include <string>

#include "platform/help_viewer.h"

class QTextBrowser;
class QWidget;

namespace quillane {

// The help window (objectName "HelpWindow"): a non-modal window browsing the
// HTML topics of the help folder. It is made on first use and kept. Opened
// from a modal dialog (F1, a help button) it takes input while that dialog
// is still open.
class QtHelpViewer : public HelpViewer {
public:
    // helpFolder holds index.html and the topic pages.
    explicit QtHelpViewer(QString helpFolder, QWidget* parent = nullptr);
    ~QtHelpViewer() override;

    void showContents() override;
    void showTopic(int contextNumber) override;

    // nullptr until the help was first shown.
    QWidget* window() const { return window_; }
    QTextBrowser* browser() const { return browser_; }

private:
    void showPage(const std::string& page);
    void makeWindow();
    void keepUsableBeside(QWidget* modalDialog);

    QString folder_;
    QWidget* parent_;
    QPointer<QWidget> window_;
    QPointer<QTextBrowser> browser_;
};

}  // namespace quillane
