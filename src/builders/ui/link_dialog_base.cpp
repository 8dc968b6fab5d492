#include "builders/ui/link_dialog_base.h"

#include <QPushButton>

#include "app/app_context.h"
#include "builders/link_builders.h"

namespace quillane {

LinkDialogBase::LinkDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent)
    : BuilderDialog(ctx, parent, OnClose::ClearTagMode), view_(view), editTagScope_(ctx) {}

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

}  // namespace quillane
