#include "makers/ui/maker_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>

#include "app/app_context.h"

namespace quillane {

MakerDialog::MakerDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx), editTagScope_(ctx) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void MakerDialog::showHelp() { ctx_.platform.help.showContents(); }

void MakerDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MakerDialog::showEvent(QShowEvent* event) {
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
