#pragma once
#include <functional>
#include <initializer_list>
#include <vector>

#include "makers/table_properties.h"
#include "makers/ui/maker_dialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace quillane {

class PickSwatch;

// TableSizeForm, "Table Properties": the table's size, border, spacing,
// dimensions, caption and colours, as a four-step wizard (Picture1..4) or a
// single page (Picture5) as the BeginnerTableWizard switch says. Finishing
// fills TableSettings and accepts the dialog; the Table Maker follows.
class TableSizeForm : public MakerDialog {
    Q_OBJECT

public:
    explicit TableSizeForm(AppContext& ctx, QWidget* parent = nullptr);

    bool isWizard() const { return wizard_; }
    // The wizard's step, 1..4 (1 on the single page).
    int step() const { return step_; }
    // The fields as the inputs hold them.
    TableSizeFields fields() const;

private:
    void buildWizard();
    void buildSinglePage();
    void showStep(int step);
    void finish();
    void setBorderInputsEnabled(bool enabled);
    void connectInputs();
    void pick(PickSwatch* swatch, QLineEdit* box);
    QLineEdit* colorBox(const char* name);
    PickSwatch* swatch(const char* name, QLineEdit* box);
    // One colour per row from `row` down: its caption, box and swatch; the
    // border colours go with the Border box. Returns the next free row.
    struct ColorRow {
        const char* caption;
        QLineEdit* box;
        const char* swatch;
        bool border;
    };
    int addColorRows(QGroupBox* colors, QGridLayout* grid, int row, std::initializer_list<ColorRow> rows);

    bool wizard_;
    int step_ = 1;

    QStackedWidget* pages_ = nullptr;
    QLabel* stepLabel_ = nullptr;  // Label24
    QLabel* noteLabel_ = nullptr;  // Label25
    std::vector<QPushButton*> nextButtons_;

    QLineEdit* rows_ = nullptr;
    QLineEdit* columns_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QRadioButton* above_ = nullptr;
    QRadioButton* below_ = nullptr;
    QCheckBox* border_ = nullptr;
    std::function<QString()> borderSize_;
    QWidget* borderSizeInput_ = nullptr;
    QComboBox* width_ = nullptr;
    QComboBox* height_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    QLineEdit* padding_ = nullptr;
    QLineEdit* bgColor_ = nullptr;
    QLineEdit* borderColor_ = nullptr;
    QLineEdit* borderColorLight_ = nullptr;
    QLineEdit* borderColorDark_ = nullptr;
    // Enabled with the Border box: the border size on the single page, the
    // border colours with their labels and swatches.
    std::vector<QWidget*> borderInputs_;
};

}  // namespace quillane
