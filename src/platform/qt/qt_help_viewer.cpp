#include "platform/qt/qt_help_viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include "platform/help_topics.h"

namespace quillane {

QtHelpViewer::QtHelpViewer(QString helpFolder, QWidget* parent) : folder_(std::move(helpFolder)), parent_(parent) {
    if (!folder_.isEmpty() && !folder_.endsWith('/')) folder_ += '/';
}

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

void QtHelpViewer::makeWindow() {
    // A window of its own (not a dialog), closed with the main window.
    window_ = new QWidget(parent_, Qt::Window);
    window_->setObjectName("HelpWindow");
    window_->setWindowTitle("Quillane Help");
    window_->resize(640, 560);

    auto* contents = new QPushButton("&Contents", window_);
    contents->setObjectName("HelpContents");
    auto* back = new QPushButton("&Back", window_);
    back->setObjectName("HelpBack");
    browser_ = new QTextBrowser(window_);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(window_);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    QObject::connect(contents, &QPushButton::clicked, browser_, [this] { showContents(); });
    QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
}

void QtHelpViewer::showPage(const std::string& page) {
    if (!window_) makeWindow();
    const QString path = folder_ + QString::fromStdString(page);
    if (QFileInfo::exists(path)) {
        browser_->setSource(QUrl::fromLocalFile(path));
    } else {
        browser_->setPlainText("The help page " + path + " could not be found.");
    }
    keepUsableBeside(QApplication::activeModalWidget());
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelpViewer::keepUsableBeside(QWidget* modalDialog) {
    // A modal dialog blocks every window but those that belong to it, and
    // help asked for from a dialog is read beside it: while the dialog is
    // up, the help window counts as the dialog's own. Otherwise it belongs
    // to its parent, as Qt made it.
    QWidget* owner = modalDialog ? modalDialog : parent_;
    QWindow* help = window_->windowHandle();
    if (!help) {
        window_->winId();  // the native window, made now so that it can be given its owner
        help = window_->windowHandle();
    }
    QWindow* ownerWindow = owner ? owner->window()->windowHandle() : nullptr;
    if (help && ownerWindow != help) help->setTransientParent(ownerWindow);
}

void QtHelpViewer::showContents() { showPage(kHelpContentsPage); }

void QtHelpViewer::showTopic(int contextNumber) { showPage(HelpTopicPage(contextNumber)); }

}  // namespace quillane
