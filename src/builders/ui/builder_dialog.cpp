#include "builders/ui/builder_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/app_context.h"

namespace quillane {

BuilderDialog::BuilderDialog(AppContext& ctx, QWidget* parent, OnClose onClose)
    : QDialog(parent), ctx_(ctx), onClose_(onClose) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void BuilderDialog::done(int result) {
    if (onClose_ == OnClose::ClearTagMode) ctx_.editTagMode = false;
    QDialog::done(result);
}

void BuilderDialog::showHelp() { ctx_.platform.help.showContents(); }

QPushButton* BuilderDialog::addHelpButton() {
    // The word as well as the icon: without an icon theme the style's help
    // icon alone looks like a close box.
    auto* help = new QPushButton("Help", this);
    help->setObjectName("SSCommand1");
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setToolTip("Help");
    help->setAccessibleName("Help");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &BuilderDialog::showHelp);
    return help;
}

void BuilderDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BuilderDialog::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (!centred_) {
        centred_ = true;
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QDialog::showEvent(event);
}

}  // namespace quillane
