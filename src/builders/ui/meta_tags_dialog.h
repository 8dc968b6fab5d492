#pragma once
#include "builders/meta_tags.h"
#include "builders/ui/builder_dialog.h"

class QCheckBox;
class QLineEdit;

namespace quillane {

// Metatags, "META Tags": the page's description (Text1) and key words
// (Text2), and the splash-screen switch (Check1) that enables the seconds
// (Text3) and the second page's URL (Text4). OK (Command1, or Enter in a text
// box) keeps the three META lines for the program; Cancel (Command2) leaves
// them as they were.
class Metatags : public BuilderDialog {
    Q_OBJECT

public:
    explicit Metatags(AppContext& ctx, QWidget* parent = nullptr);

    MetaTagsFields fields() const;

private:
    void ok();

    QLineEdit* description_;
    QLineEdit* keywords_;
    QCheckBox* splash_;
    QLineEdit* seconds_;
    QLineEdit* url_;
};

}  // namespace quillane
