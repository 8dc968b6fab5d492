#include "makers/ui/maker_dialog.h"

namespace quillane {

MakerDialog::MakerDialog(AppContext& ctx, QWidget* parent) : BuilderDialog(ctx, parent), editTagScope_(ctx) {}

}  // namespace quillane
