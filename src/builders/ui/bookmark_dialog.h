#pragma once
#include "builders/ui/link_dialog_base.h"

class QLineEdit;

namespace quillane {

struct BookmarkFields;

// Anchor1, "Anchor": the selection as the text to bookmark (Source) and the
// bookmark's name (Target), which takes the focus first when there was a
// selection. OK (Command1) replaces the selection with the named anchor;
// Cancel is Command2.
class Anchor1 : public LinkDialogBase {
    Q_OBJECT

public:
    Anchor1(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    BookmarkFields fields() const;

private:
    void ok();

    QLineEdit* source_;
    QLineEdit* target_;
};

// Opens Anchor1 over the window's selection and runs it modally.
void OpenBookmarkDialog(AppContext& ctx, DocumentView& view, QWidget* parent);

}  // namespace quillane
