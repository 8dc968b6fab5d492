#pragma once
#include <span>
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
struct Settings;
class DocumentView;

// The menu items each user level hides in a document window. Levels only ever
// hide: nothing here makes an item visible again.
std::span<const std::string_view> RarelyUsedItems();    // HideRarelyUsedItems
std::span<const std::string_view> BeginnerItems();      // HideBeginnerItems
std::span<const std::string_view> IntermediateItems();  // HideIntermediateItems

// One group of the custom menu set: the settings key holding "on"/"off", the
// in-memory value it lives in, and the items it hides when "off".
struct CustomMenuGroup {
    std::string_view key;
    std::string Settings::*value;
    std::span<const std::string_view> items;
};
std::span<const CustomMenuGroup> CustomMenuGroups();

void HideRarelyUsedItems(DocumentView& view);
void HideBeginnerItems(DocumentView& view);
void HideIntermediateItems(DocumentView& view);
// Each custom-set value that is "off" hides its group; "on" and the empty text
// hide nothing.
void ApplyCustomMenus(const Settings& settings, DocumentView& view);

// The level in MenuSystem: "beginner", "intermediate", "custom"; "advanced",
// the empty text and anything else hide nothing.
void ApplyUserLevel(AppContext& ctx, DocumentView& view);

// The first window of the run, which has its level already: the rarely-used
// items go too unless HTML3Menu is "on".
void ApplyRarelyUsedSwitch(AppContext& ctx, DocumentView& view);

}  // namespace quillane
