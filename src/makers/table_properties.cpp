#include "makers/table_properties.h"

#include <optional>

#include "makers/table_count.h"
#include "platform/settings_backend.h"

namespace quillane {

namespace {

constexpr int kDefaultCount = 10;

// The grid count (the count plus the numbered header line), or std::nullopt
// when the count is refused.
std::optional<int> GridCount(const std::string& text) {
    const TableCount count = ReadTableCount(text);
    switch (count.kind) {
        case TableCountKind::Default: return kDefaultCount + 1;
        case TableCountKind::Count: return count.value + 1;
        default: return std::nullopt;
    }
}

std::string Attribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=" + value;
}

std::string QuotedAttribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=\"" + value + "\"";
}

}  // namespace

std::variant<std::string, TableSettings> BuildTableSettings(const TableSizeFields& f) {
    const std::optional<int> rows = GridCount(f.rows);
    if (!rows) return std::string(kMaxTableRowsMessage);
    const std::optional<int> columns = GridCount(f.columns);
    if (!columns) return std::string(kMaxTableColumnsMessage);

    TableSettings s;
    s.rows = static_cast<std::int16_t>(*rows);
    s.columns = static_cast<std::int16_t>(*columns);
    s.heightAttr = QuotedAttribute("HEIGHT", f.height);
    s.widthAttr = QuotedAttribute("WIDTH", f.width);
    if (f.captionAbove)
        s.captionAlignAttr = " ALIGN=Top";
    else if (f.captionBelow)
        s.captionAlignAttr = " ALIGN=Bottom";
    if (!f.caption.empty()) s.captionBlock = "\r\n<CAPTION" + s.captionAlignAttr + ">" + f.caption + "</CAPTION>";
    s.cellSpacingAttr = Attribute("CELLSPACING", f.cellSpacing);
    s.cellPaddingAttr = Attribute("CELLPADDING", f.cellPadding);
    s.bgColorAttr = Attribute("BGCOLOR", f.bgColor);
    if (f.border) {
        s.borderAttr = f.borderSize.empty() ? " BORDER" : " BORDER=" + f.borderSize;
        s.borderColorAttr = Attribute("BORDERCOLOR", f.borderColor);
        s.borderColorLightAttr = Attribute("BORDERCOLORLIGHT", f.borderColorLight);
        s.borderColorDarkAttr = Attribute("BORDERCOLORDARK", f.borderColorDark);
    }
    return s;
}

void ClearTableColorAttributes(TableSettings& settings) {
    settings.bgColorAttr.clear();
    settings.borderColorAttr.clear();
    settings.borderColorLightAttr.clear();
    settings.borderColorDarkAttr.clear();
    settings.borderAttr.clear();
}

bool UseTableWizard(const SettingsBackend& store) {
    const std::string value = store.get("Miscellaneous", "BeginnerTableWizard", "on");
    return value == "on" || value.empty();
}

const TableWizardStep& TableWizardStepAt(int step) {
    static constexpr const char* kOptional = "The following properties are optional.";
    static const TableWizardStep kSteps[kTableWizardSteps] = {
        {"Picture1", "Step 1", "", "Text9"},
        {"Picture2", "Step 2", kOptional, "Text1"},
        {"Picture3", "Step 3", kOptional, "Combo3"},
        {"Picture4", "Step 4", kOptional, "Text4"},
    };
    if (step < 1) step = 1;
    if (step > kTableWizardSteps) step = kTableWizardSteps;
    return kSteps[step - 1];
}

}  // namespace quillane
