#pragma once
#include "builders/multimedia_builders.h"
#include "builders/ui/image_dialog_base.h"

namespace quillane {

class DocumentView;

// What the multimedia dialogs share: the document they write into, and the
// OK flow of a builder result. EditTagMode is cleared however they close.
class MultimediaDialogBase : public ImageDialogBase {
    Q_OBJECT

public:
    MultimediaDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent);

protected:
    // A refusal: the message, the focus to its control (if it names one),
    // and false. Otherwise the element text replaces the selection (the
    // focus stays here) and true; the caller decides whether to close.
    bool insert(const MultimediaResult& result);

    DocumentView& view_;
};

}  // namespace quillane
