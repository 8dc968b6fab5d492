#pragma once
#include <string>
#include <string_view>

namespace quillane {

// The three list dialogs: numbered (OL), bulleted (UL) and descriptive (DL).
enum class ListKind { Numbered, Bulleted, Descriptive };

// Where a list dialog stands. Fresh: nothing written yet. NewList: the dialog
// wrote the start tag, so finishing writes the end tag. Existing: items went
// into a list written elsewhere, so finishing writes no end tag.
enum class ListState { Fresh, NewList, Existing };

// The numbered list's TYPE choices, in the order of its option buttons.
enum class NumberType { None, CapitalLetters, SmallLetters, LargeRoman, SmallRoman, Numbers };
// The bulleted list's TYPE choices, in the order of its option buttons.
enum class BulletType { None, Disc, Circle, Square };

// A list dialog's fields, as typed.
struct ListFields {
    ListKind kind = ListKind::Numbered;
    std::string item;   // Text1: the item text, or the descriptive topic
    std::string text;   // descriptive Text2: the text after the topic
    NumberType numberType = NumberType::None;
    BulletType bulletType = BulletType::None;
    std::string start = "1";  // numbered Text2, "Start="
};

// Which box a refusal sends the focus to.
enum class ListBox { Item, Text };

// What a Start or Add button yields: a refusal (message, and the box to
// focus) or the text to insert.
struct ListBuild {
    std::string message;  // not empty: refused
    ListBox focus = ListBox::Item;
    std::string snippet;

    bool ok() const { return message.empty(); }
};

inline constexpr const char* kListStartTooSmallMessage = "The Netscape Start value must be equal to or greater than 1.";
inline constexpr const char* kNoNumberedItemMessage = "Please enter text for a Numbered List item.";
inline constexpr const char* kNoBulletedItemMessage = "Please enter text for a Bulleted List item.";
inline constexpr const char* kNoDescriptiveTopicMessage = "Please enter text for a Descriptive list Topic.";
inline constexpr const char* kNoDescriptiveTextMessage = "Please enter text for the Descriptive list Text.";

// The leading number of a text: blanks skipped, an optional sign, digits and
// an optional fraction; 0 when it starts with none.
double LeadingNumber(std::string_view text);

// The item line(s) of the fields: "     <LI> item" or the DT/DD pair, each
// ended by CR LF.
std::string ListItemLines(const ListFields& fields);

// Start a New List: the start tag with its attributes and the first item.
// The numbered list checks its Start value before the item.
ListBuild StartList(const ListFields& fields);
// Add: the item line(s) alone.
ListBuild AddListItem(const ListFields& fields);
// The state after a successful Start or Add.
ListState StateAfterStart();
ListState StateAfterAdd(ListState state);

// What Done (or Cancel, while Fresh) inserts before the dialog closes; empty
// when nothing is to be inserted. Done never refuses.
std::string FinishList(const ListFields& fields, ListState state);

// The captions of the Add and third buttons in a state.
const char* ListAddCaption(ListState state);
const char* ListCloseCaption(ListState state);

}  // namespace quillane
