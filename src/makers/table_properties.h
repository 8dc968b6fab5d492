#pragma once
#include <string>
#include <variant>

#include "makers/table_settings.h"

namespace quillane {

class SettingsBackend;

// The fields of the Table Properties dialog, the same for its wizard and its
// single page.
struct TableSizeFields {
    std::string rows;
    std::string columns;
    std::string caption;
    bool captionAbove = false;
    bool captionBelow = false;
    bool border = true;
    std::string borderSize;
    std::string width;
    std::string height;
    std::string cellSpacing;
    std::string cellPadding;
    std::string bgColor;
    std::string borderColor;
    std::string borderColorLight;
    std::string borderColorDark;
};

// Finishing the dialog: the message that keeps it open (a refused row or
// column count), or the settings the Table Maker opens with (rows and columns
// holding R + 1 and C + 1; an empty or zero count stands for 10).
std::variant<std::string, TableSettings> BuildTableSettings(const TableSizeFields& fields);

// Opening the dialog empties the colour and border attributes of the settings.
void ClearTableColorAttributes(TableSettings& settings);

// The "BeginnerTableWizard" switch: "on" (the default) or empty gives the
// four-step wizard, anything else the single page.
bool UseTableWizard(const SettingsBackend& store);

// One step of the wizard: its page, the texts above the pages, and the input
// that gets the focus when the step is shown.
struct TableWizardStep {
    const char* page;
    const char* stepLabel;  // Label24
    const char* note;       // Label25
    const char* focus;
};
inline constexpr int kTableWizardSteps = 4;
// Steps 1..4.
const TableWizardStep& TableWizardStepAt(int step);

}  // namespace quillane
