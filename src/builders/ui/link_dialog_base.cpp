#include "builders/ui/link_dialog_base.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/app_context.h"
#include "builders/link_builders.h"

namespace quillane {

LinkDialogBase::LinkDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent)
    : QDialog(parent), ctx_(ctx), view_(view), editTagScope_(ctx) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void LinkDialogBase::done(int result) {
    ctx_.editTagMode = false;
    QDialog::done(result);
}

QPushButton* LinkDialogBase::addOkButton(const char* name) {
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName(name);
    // Enter in any text or combo box runs OK.
    ok->setDefault(true);
    return ok;
}

QPushButton* LinkDialogBase::addCancelButton(const char* name) {
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName(name);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return cancel;
}

QPushButton* LinkDialogBase::addHelpButton() {
    auto* help = new QPushButton(this);
    help->setObjectName("SSCommand1");
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setToolTip("Help");
    help->setAccessibleName("Help");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &LinkDialogBase::showHelp);
    return help;
}

void LinkDialogBase::saveUndoSnapshot() { SaveUndoSnapshot(ctx_, view_); }

bool LinkDialogBase::finish(const LinkBuild& result) {
    if (!result.ok()) {
        ctx_.messages().say(result.message);
        return false;
    }
    InsertText(view_, result.snippet, false);
    accept();
    return true;
}

void LinkDialogBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LinkDialogBase::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window, when first shown.
    if (!centred_) {
        centred_ = true;
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QDialog::showEvent(event);
}

void LinkDialogBase::showHelp() { ctx_.platform.help.showContents(); }

}  // namespace quillane
