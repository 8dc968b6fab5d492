#include "builders/list_builders.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

ListFields Numbered(std::string item, std::string start = "1", NumberType type = NumberType::None) {
    ListFields f;
    f.kind = ListKind::Numbered;
    f.item = std::move(item);
    f.start = std::move(start);
    f.numberType = type;
    return f;
}

ListFields Bulleted(std::string item, BulletType type = BulletType::None) {
    ListFields f;
    f.kind = ListKind::Bulleted;
    f.item = std::move(item);
    f.bulletType = type;
    return f;
}

ListFields Descriptive(std::string topic, std::string text) {
    ListFields f;
    f.kind = ListKind::Descriptive;
    f.item = std::move(topic);
    f.text = std::move(text);
    return f;
}

struct BuildCase {
    ListFields fields;
    const char* message;  // "" when a snippet is expected
    ListBox focus;
    const char* snippet;
};

TEST(StartList, StartTagsCarryTheirAttributes) {
    const BuildCase cases[] = {
        {Numbered("Apple"), "", ListBox::Item, "\r\n<OL>\r\n     <LI> Apple\r\n"},
        {Numbered("Apple", "3", NumberType::LargeRoman), "", ListBox::Item,
         "\r\n<OL TYPE=I START=3>\r\n     <LI> Apple\r\n"},
        {Numbered("x", "1", NumberType::CapitalLetters), "", ListBox::Item, "\r\n<OL TYPE=A>\r\n     <LI> x\r\n"},
        {Numbered("x", "1", NumberType::SmallLetters), "", ListBox::Item, "\r\n<OL TYPE=a>\r\n     <LI> x\r\n"},
        {Numbered("x", "1", NumberType::SmallRoman), "", ListBox::Item, "\r\n<OL TYPE=i>\r\n     <LI> x\r\n"},
        {Numbered("x", "1", NumberType::Numbers), "", ListBox::Item, "\r\n<OL TYPE=1>\r\n     <LI> x\r\n"},
        // Only exactly "1" leaves START out; anything else is written as typed.
        {Numbered("x", " 1"), "", ListBox::Item, "\r\n<OL START= 1>\r\n     <LI> x\r\n"},
        {Numbered("x", "01"), "", ListBox::Item, "\r\n<OL START=01>\r\n     <LI> x\r\n"},
        {Numbered("x", "12"), "", ListBox::Item, "\r\n<OL START=12>\r\n     <LI> x\r\n"},
        {Bulleted("Pear"), "", ListBox::Item, "\r\n<UL>\r\n     <LI> Pear\r\n"},
        {Bulleted("Pear", BulletType::Disc), "", ListBox::Item, "\r\n<UL TYPE=disc>\r\n     <LI> Pear\r\n"},
        {Bulleted("Pear", BulletType::Circle), "", ListBox::Item, "\r\n<UL TYPE=circle>\r\n     <LI> Pear\r\n"},
        {Bulleted("Pear", BulletType::Square), "", ListBox::Item, "\r\n<UL TYPE=square>\r\n     <LI> Pear\r\n"},
        {Descriptive("<B>Term</B>", "Meaning"), "", ListBox::Item,
         "\r\n<DL>\r\n     <DT> <B>Term</B>\r\n          <DD> Meaning\r\n"},
    };
    for (const BuildCase& c : cases) {
        ListBuild result = StartList(c.fields);
        EXPECT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(result.snippet, c.snippet);
    }
}

TEST(StartList, RefusalsComeInOrderAndNameTheBoxToFocus) {
    const BuildCase cases[] = {
        // The Start check comes first, even with an empty item.
        {Numbered("", "0"), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("", ""), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("Apple", ""), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("Apple", "abc"), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("Apple", "-3"), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("Apple", "0.5"), kListStartTooSmallMessage, ListBox::Item, ""},
        {Numbered("", "2"), kNoNumberedItemMessage, ListBox::Item, ""},
        {Bulleted("", BulletType::Disc), kNoBulletedItemMessage, ListBox::Item, ""},
        {Descriptive("", ""), kNoDescriptiveTopicMessage, ListBox::Item, ""},
        {Descriptive("", "text"), kNoDescriptiveTopicMessage, ListBox::Item, ""},
        {Descriptive("topic", ""), kNoDescriptiveTextMessage, ListBox::Text, ""},
    };
    for (const BuildCase& c : cases) {
        ListBuild result = StartList(c.fields);
        EXPECT_EQ(result.message, c.message) << c.fields.item << "|" << c.fields.start;
        EXPECT_EQ(result.focus, c.focus);
        EXPECT_EQ(result.snippet, "");
    }
}

TEST(AddListItem, WritesItemLinesOnlyAndIgnoresTheStartBox) {
    EXPECT_EQ(AddListItem(Numbered("Pear", "0", NumberType::LargeRoman)).snippet, "     <LI> Pear\r\n");
    EXPECT_EQ(AddListItem(Bulleted("Pear", BulletType::Square)).snippet, "     <LI> Pear\r\n");
    EXPECT_EQ(AddListItem(Descriptive("T", "D")).snippet, "     <DT> T\r\n          <DD> D\r\n");
    EXPECT_EQ(AddListItem(Numbered("", "0")).message, kNoNumberedItemMessage);
    EXPECT_EQ(AddListItem(Bulleted("")).message, kNoBulletedItemMessage);
    EXPECT_EQ(AddListItem(Descriptive("", "")).message, kNoDescriptiveTopicMessage);
    ListBuild noText = AddListItem(Descriptive("T", ""));
    EXPECT_EQ(noText.message, kNoDescriptiveTextMessage);
    EXPECT_EQ(noText.focus, ListBox::Text);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"", 0}, {"abc", 0}, {"1", 1}, {"  7", 7}, {"3abc", 3}, {"-2", -2}, {"+4", 4}, {"0.5", 0.5}, {"1.", 1},
        {".5", 0.5}, {"12 13", 12},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
}

TEST(ListStates, StartAndAddMoveTheStateAndCaptionsFollow) {
    EXPECT_EQ(StateAfterStart(), ListState::NewList);
    EXPECT_EQ(StateAfterAdd(ListState::Fresh), ListState::Existing);
    EXPECT_EQ(StateAfterAdd(ListState::Existing), ListState::Existing);
    EXPECT_EQ(StateAfterAdd(ListState::NewList), ListState::NewList);

    EXPECT_STREQ(ListAddCaption(ListState::Fresh), "&Add to Existing List");
    EXPECT_STREQ(ListAddCaption(ListState::NewList), "&Add a List Item");
    EXPECT_STREQ(ListAddCaption(ListState::Existing), "&Add to Existing List");
    EXPECT_STREQ(ListCloseCaption(ListState::Fresh), "&Cancel");
    EXPECT_STREQ(ListCloseCaption(ListState::NewList), "&Done");
    EXPECT_STREQ(ListCloseCaption(ListState::Existing), "&Done");
}

struct FinishCase {
    ListFields fields;
    ListState state;
    const char* inserted;
};

TEST(FinishList, DoneWritesThePendingItemAndTheEndTagByState) {
    const FinishCase cases[] = {
        // Cancel drops what was typed.
        {Numbered("Apple"), ListState::Fresh, ""},
        {Descriptive("T", "D"), ListState::Fresh, ""},
        // A started list gets its end tag; a pending item goes before it
        // without a line break after the end tag.
        {Numbered(""), ListState::NewList, "</OL>\r\n"},
        {Numbered("Pear"), ListState::NewList, "     <LI> Pear\r\n</OL>"},
        {Bulleted(""), ListState::NewList, "</UL>\r\n"},
        {Bulleted("Pear"), ListState::NewList, "     <LI> Pear\r\n</UL>"},
        {Descriptive("T", "D"), ListState::NewList, "     <DT> T\r\n          <DD> D\r\n</DL>\r\n"},
        {Descriptive("T", ""), ListState::NewList, "</DL>\r\n"},
        {Descriptive("", "D"), ListState::NewList, "</DL>\r\n"},
        {Descriptive("", ""), ListState::NewList, "</DL>\r\n"},
        // Items added to a list elsewhere: no end tag, the last line unended.
        {Numbered(""), ListState::Existing, ""},
        {Numbered("Pear"), ListState::Existing, "     <LI> Pear"},
        {Bulleted("Pear"), ListState::Existing, "     <LI> Pear"},
        {Descriptive("", ""), ListState::Existing, ""},
        {Descriptive("T", "D"), ListState::Existing, "     <DT> T\r\n          <DD> D"},
        {Descriptive("T", ""), ListState::Existing, "     <DT> T\r\n          <DD> "},
    };
    for (const FinishCase& c : cases)
        EXPECT_EQ(FinishList(c.fields, c.state), c.inserted) << c.fields.item << "|" << int(c.state);
}

TEST(ListSequence, NumberedListFromStartToDone) {
    std::string doc = StartList(Numbered("Apple")).snippet;
    doc += AddListItem(Numbered("Pear")).snippet;
    doc += FinishList(Numbered(""), ListState::NewList);
    EXPECT_EQ(doc, "\r\n<OL>\r\n     <LI> Apple\r\n     <LI> Pear\r\n</OL>\r\n");
}

}  // namespace
}  // namespace quillane
