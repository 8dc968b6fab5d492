#include "app/user_levels.h"

#include <array>
#include <cstddef>

#include "app/app_context.h"

namespace quillane {

namespace {

using namespace std::string_view_literals;

constexpr std::array kRarelyUsed = {
    "mnuBanner"sv,   "BASE"sv,      "ISINDEX"sv,       "LINK"sv,         "NEXTID"sv,
    "mnuByline"sv,   "Listing"sv,   "mnuLit"sv,        "mnuAbbrev"sv,    "mnuAcronym"sv,
    "mnuArg"sv,      "mnuAuthor"sv, "CITE"sv,          "mnuCode"sv,      "mnuCredit"sv,
    "DFN"sv,         "mnuDeleteText"sv, "mnuFootNote"sv, "mnuInlineQuote"sv, "mnuInsertText"sv,
    "mnuKBD"sv,      "mnuPerson"sv, "SAMP"sv,          "VAR"sv,
};

// What a beginner does not need yet, on top of the rarely-used items.
constexpr std::array kBeginnerExtra = {
    "mnuAlignP"sv,   "Pre"sv,       "mnuStrikethru"sv, "mnuSUB"sv,       "mnuSUP"sv,
    "mnuTable"sv,    "mnuForm"sv,   "mnuFrameMaker"sv, "mnuNSHR"sv,      "mnuLineBreak"sv,
    "mnuNoBreak"sv,  "mnuUsemap"sv, "mnuWordBreak"sv,  "mnuIEtags"sv,    "mnuJavaTags"sv,
    "sep14"sv,       "sep15"sv,
};

template <std::size_t A, std::size_t B>
constexpr std::array<std::string_view, A + B> Join(const std::array<std::string_view, A>& a,
                                                   const std::array<std::string_view, B>& b) {
    std::array<std::string_view, A + B> out{};
    for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
    for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
    return out;
}

constexpr auto kBeginner = Join(kRarelyUsed, kBeginnerExtra);

constexpr std::array kIntermediate = {
    "mnuBanner"sv,   "BASE"sv,      "ISINDEX"sv,       "LINK"sv,         "NEXTID"sv,
    "mnuByline"sv,   "Listing"sv,   "mnuLit"sv,        "mnuAbbrev"sv,    "mnuAcronym"sv,
    "mnuArg"sv,      "mnuAuthor"sv, "mnuCredit"sv,     "DFN"sv,          "mnuDeleteText"sv,
    "mnuFootNote"sv, "mnuInlineQuote"sv, "mnuInsertText"sv, "mnuPerson"sv, "mnuStrikethru"sv,
    "mnuFrameMaker"sv, "mnuNoBreak"sv, "mnuUsemap"sv,  "mnuWordBreak"sv, "mnuJavaTags"sv,
    "sep15"sv,
};

constexpr std::array kStructureGroup = {"HeadElements"sv};
constexpr std::array kFormsGroup = {"mnuForm"sv};
constexpr std::array kTablesGroup = {"mnuTable"sv};
constexpr std::array kNetscapeGroup = {"mnuNSHR"sv, "mnuLineBreak"sv, "mnuNoBreak"sv, "mnuWordBreak"sv};
constexpr std::array kIEGroup = {"mnuIEtags"sv, "sep14"sv};
constexpr std::array kJavaGroup = {"mnuJavaTags"sv, "sep15"sv};

// "AnchorMenu" is kept and stored like the others but governs no item, so
// that every level keeps the anchor dialog.
const std::array<CustomMenuGroup, 8> kCustomGroups = {{
    {"HTML3Menu", &Settings::HTML3Menu, kRarelyUsed},
    {"StructMenu", &Settings::StructMenu, kStructureGroup},
    {"AnchorMenu", &Settings::AnchorMenu, {}},
    {"FormsMenu", &Settings::FormsMenu, kFormsGroup},
    {"TablesMenu", &Settings::TablesMenu, kTablesGroup},
    {"NetscapeMenu", &Settings::NetscapeMenu, kNetscapeGroup},
    {"IEMenu", &Settings::IEMenu, kIEGroup},
    {"JavaMenu", &Settings::JavaMenu, kJavaGroup},
}};

void Hide(DocumentView& view, std::span<const std::string_view> items) {
    for (std::string_view name : items) view.setMenuItemVisible(std::string(name), false);
}

}  // namespace

std::span<const std::string_view> RarelyUsedItems() { return kRarelyUsed; }
std::span<const std::string_view> BeginnerItems() { return kBeginner; }
std::span<const std::string_view> IntermediateItems() { return kIntermediate; }
std::span<const CustomMenuGroup> CustomMenuGroups() { return kCustomGroups; }

void HideRarelyUsedItems(DocumentView& view) { Hide(view, kRarelyUsed); }
void HideBeginnerItems(DocumentView& view) { Hide(view, kBeginner); }
void HideIntermediateItems(DocumentView& view) { Hide(view, kIntermediate); }

void ApplyCustomMenus(const Settings& settings, DocumentView& view) {
    for (const CustomMenuGroup& group : kCustomGroups) {
        if (settings.*group.value == "off") Hide(view, group.items);
    }
}

void ApplyUserLevel(AppContext& ctx, DocumentView& view) {
    const std::string& level = ctx.settings.MenuSystem;
    if (level == "beginner") HideBeginnerItems(view);
    else if (level == "intermediate") HideIntermediateItems(view);
    else if (level == "custom") ApplyCustomMenus(ctx.settings, view);
}

void ApplyRarelyUsedSwitch(AppContext& ctx, DocumentView& view) {
    const std::string& html3 = ctx.settings.HTML3Menu;
    if (html3 == "off" || html3.empty()) HideRarelyUsedItems(view);
}

}  // namespace quillane
