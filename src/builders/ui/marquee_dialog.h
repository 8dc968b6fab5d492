#pragma once
#include <string>

#include "builders/multimedia_builders.h"
#include "builders/ui/multimedia_dialog_base.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QRadioButton;

namespace quillane {

class EditableComboBox;

// Marquee: one MARQUEE element around the scrolled text, replacing the
// selection (which the text box starts with). Enter runs OK nowhere.
class Marquee : public MultimediaDialogBase {
    Q_OBJECT

public:
    Marquee(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    MarqueeFields fields() const;

private:
    void ok();
    void chooseColor();

    QLineEdit* text_;
    QRadioButton* left_;
    QRadioButton* right_;
    QComboBox* behavior_;
    QComboBox* align_;
    EditableComboBox* loop_;
    QLineEdit* height_;
    QLineEdit* width_;
    QLineEdit* vspace_;
    QLineEdit* hspace_;
    QLineEdit* scrollAmount_;
    QLineEdit* scrollDelay_;
    QLineEdit* bgColor_;
    QFrame* swatch_;
    std::string alignValue_;
    std::string behaviorValue_;
    std::string loopValue_;
};

}  // namespace quillane
