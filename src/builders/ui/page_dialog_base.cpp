#include "builders/ui/page_dialog_base.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/app_context.h"

namespace quillane {

PageDialogBase::PageDialogBase(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QPushButton* PageDialogBase::addHelpButton() {
    auto* help = new QPushButton(this);
    help->setObjectName("SSCommand1");
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setToolTip("Help");
    help->setAccessibleName("Help");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &PageDialogBase::showHelp);
    return help;
}

void PageDialogBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PageDialogBase::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (!centred_) {
        centred_ = true;
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QDialog::showEvent(event);
}

void PageDialogBase::showHelp() { ctx_.platform.help.showContents(); }

}  // namespace quillane
