#pragma once
#include "builders/multimedia_builders.h"
#include "builders/ui/multimedia_dialog_base.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillane {

// Floating Frame (Float): one IFRAME element with its alternative text,
// replacing the selection.
class Float : public MultimediaDialogBase {
    Q_OBJECT

public:
    Float(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    FloatFields fields() const;

private:
    void ok();

    QComboBox* src_;
    QLineEdit* width_;
    QLineEdit* height_;
    QLineEdit* altText_;
    QLineEdit* hspace_;
    QLineEdit* vspace_;
    QComboBox* align_;
    QCheckBox* scrolling_;
    QCheckBox* border_;
};

}  // namespace quillane
