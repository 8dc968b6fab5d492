#include "editor/ui/search_dialogs.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "editor/find_replace.h"
#include "editor/ui/find_dialog.h"
#include "editor/ui/replace_dialog.h"

namespace quillane {

namespace {

// Unloading: the dialog goes at once, its object when the event that
// closed it (perhaps its own button) has been handled.
template <typename Dialog>
void unload(QPointer<Dialog>& dialog) {
    if (Dialog* d = dialog.data()) {
        dialog.clear();
        d->hide();
        d->deleteLater();
    }
}

template <typename Dialog>
void present(Dialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace

SearchDialogHost::SearchDialogHost(AppContext& ctx, QWidget* mainWindow)
    : QObject(mainWindow), ctx_(ctx), mainWindow_(mainWindow) {
    ctx_.search.dialogs = this;
}

SearchDialogHost::~SearchDialogHost() {
    if (ctx_.search.dialogs == this) ctx_.search.dialogs = nullptr;
}

void SearchDialogHost::showFind(const std::string& text) {
    if (!find_) {
        find_ = new frmFind(ctx_, mainWindow_);
        connect(find_, &QDialog::finished, this, [this] { unload(find_); });
    }
    find_->setFindText(QString::fromStdString(text));
    present(find_.data());
}

void SearchDialogHost::showReplace(const std::string& text, bool replacementFirst) {
    if (!replace_) {
        replace_ = new Replace(ctx_, mainWindow_);
        connect(replace_, &QDialog::finished, this, [this] { unload(replace_); });
    }
    replace_->setFindText(QString::fromStdString(text), replacementFirst);
    present(replace_.data());
}

void SearchDialogHost::hideReplace() {
    if (replace_) replace_->hide();
}

void SearchDialogHost::closeAll() {
    unload(find_);
    unload(replace_);
}

void SearchDialogHost::bringToFront() {
    // The focus stays in the editor.
    if (find_ && find_->isVisible())
        find_->raise();
    else if (replace_ && replace_->isVisible())
        replace_->raise();
}

SearchDialogHost& RegisterSearchDialogCommands(CommandTable& table, AppContext& ctx, QWidget& mainWindow) {
    auto* host = new SearchDialogHost(ctx, &mainWindow);
    table.add("mnuSFind", [](AppContext& c, DocumentView*) { OpenFindDialog(c); });
    table.add("mnuReplace", [](AppContext& c, DocumentView*) { OpenReplaceDialog(c); });
    return *host;
}

}  // namespace quillane
