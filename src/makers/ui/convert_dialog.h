#pragma once
#include "makers/text_conversion.h"
#include "makers/ui/maker_dialog.h"

class QButtonGroup;

namespace quillane {

// Convert, "Convert to HTML": turns the active document's selection into a
// table (space, tab or comma delimited: SSOption1..3) or a bulleted list
// (SSOption4). No option is chosen when it opens.
class Convert : public MakerDialog {
    Q_OBJECT

public:
    explicit Convert(AppContext& ctx, QWidget* parent = nullptr);

    ConvertOption option() const;

private:
    void convert();

    QButtonGroup* options_;
};

}  // namespace quillane
