#pragma once
#include "builders/ui/builder_dialog.h"
#include "editor/insertion.h"

namespace quillane {

struct AppContext;

// What the table and conversion dialogs add to the builder dialog:
// EditTagMode is cleared when the dialog goes away.
class MakerDialog : public BuilderDialog {
    Q_OBJECT

public:
    MakerDialog(AppContext& ctx, QWidget* parent);

private:
    TagDialogScope editTagScope_;
};

}  // namespace quillane
