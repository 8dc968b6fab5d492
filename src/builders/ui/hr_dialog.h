#pragma once
#include "builders/multimedia_builders.h"
#include "builders/ui/multimedia_dialog_base.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quillane {

// Horizontal Rule (HRForm): one HR element replacing the selection.
class HRForm : public MultimediaDialogBase {
    Q_OBJECT

public:
    HRForm(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    // Edit Tag: the fields from an HR tag's text.
    void setFields(const HrFields& fields);
    HrFields fields() const;

private:
    void ok();

    QLineEdit* size_;
    QLineEdit* width_;
    QRadioButton* left_;
    QRadioButton* right_;
    QRadioButton* center_;
    QCheckBox* noShade_;
};

}  // namespace quillane
