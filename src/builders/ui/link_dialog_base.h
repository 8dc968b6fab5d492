#pragma once
#include "builders/ui/builder_dialog.h"
#include "editor/insertion.h"

namespace quillane {

struct AppContext;
class DocumentView;
struct LinkBuild;

// What the link, anchor and mail-link dialogs add to the builder dialog: the
// OK and Cancel buttons, the OK flow into the document, and EditTagMode
// cleared however the dialog closes.
class LinkDialogBase : public BuilderDialog {
    Q_OBJECT

public:
    LinkDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent);

protected:
    // The "&OK" and "&Cancel" buttons.
    QPushButton* addOkButton(const char* name);
    QPushButton* addCancelButton(const char* name);

    // OK's flow: the undo snapshot, then the builder; a refusal is shown and
    // keeps the dialog open (false), a snippet replaces the selection and the
    // dialog closes.
    void saveUndoSnapshot();
    bool finish(const LinkBuild& result);

    DocumentView& view_;

private:
    TagDialogScope editTagScope_;
};

}  // namespace quillane
