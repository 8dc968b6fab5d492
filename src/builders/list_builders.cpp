#include "builders/list_builders.h"

namespace quillane {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kItemIndent = "     ";
constexpr std::string_view kDdIndent = "          ";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view StartTagName(ListKind kind) {
    switch (kind) {
    case ListKind::Numbered: return "OL";
    case ListKind::Bulleted: return "UL";
    case ListKind::Descriptive: return "DL";
    }
    return "";
}

std::string_view NumberTypeAttribute(NumberType type) {
    switch (type) {
    case NumberType::None: return "";
    case NumberType::CapitalLetters: return " TYPE=A";
    case NumberType::SmallLetters: return " TYPE=a";
    case NumberType::LargeRoman: return " TYPE=I";
    case NumberType::SmallRoman: return " TYPE=i";
    case NumberType::Numbers: return " TYPE=1";
    }
    return "";
}

std::string_view BulletTypeAttribute(BulletType type) {
    switch (type) {
    case BulletType::None: return "";
    case BulletType::Disc: return " TYPE=disc";
    case BulletType::Circle: return " TYPE=circle";
    case BulletType::Square: return " TYPE=square";
    }
    return "";
}

std::string EndTag(ListKind kind) { return "</" + std::string(StartTagName(kind)) + ">"; }

// The item check shared by Start and Add.
ListBuild CheckItem(const ListFields& fields) {
    switch (fields.kind) {
    case ListKind::Numbered:
        if (fields.item.empty()) return {kNoNumberedItemMessage, ListBox::Item, {}};
        break;
    case ListKind::Bulleted:
        if (fields.item.empty()) return {kNoBulletedItemMessage, ListBox::Item, {}};
        break;
    case ListKind::Descriptive:
        if (fields.item.empty()) return {kNoDescriptiveTopicMessage, ListBox::Item, {}};
        if (fields.text.empty()) return {kNoDescriptiveTextMessage, ListBox::Text, {}};
        break;
    }
    return {};
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10) value += (text[i] - '0') * scale;
    }
    return negative ? -value : value;
}

std::string ListItemLines(const ListFields& fields) {
    if (fields.kind == ListKind::Descriptive) {
        return std::string(kItemIndent) + "<DT> " + fields.item + std::string(kCrLf) + std::string(kDdIndent) +
               "<DD> " + fields.text + std::string(kCrLf);
    }
    return std::string(kItemIndent) + "<LI> " + fields.item + std::string(kCrLf);
}

ListBuild StartList(const ListFields& fields) {
    std::string attributes;
    if (fields.kind == ListKind::Numbered) {
        if (LeadingNumber(fields.start) < 1) return {kListStartTooSmallMessage, ListBox::Item, {}};
        attributes = NumberTypeAttribute(fields.numberType);
        if (fields.start != "1") attributes += " START=" + fields.start;
    } else if (fields.kind == ListKind::Bulleted) {
        attributes = BulletTypeAttribute(fields.bulletType);
    }
    ListBuild result = CheckItem(fields);
    if (!result.ok()) return result;
    result.snippet = std::string(kCrLf) + "<" + std::string(StartTagName(fields.kind)) + attributes + ">" +
                     std::string(kCrLf) + ListItemLines(fields);
    return result;
}

ListBuild AddListItem(const ListFields& fields) {
    ListBuild result = CheckItem(fields);
    if (result.ok()) result.snippet = ListItemLines(fields);
    return result;
}

ListState StateAfterStart() { return ListState::NewList; }

ListState StateAfterAdd(ListState state) {
    return state == ListState::NewList ? ListState::NewList : ListState::Existing;
}

std::string FinishList(const ListFields& fields, ListState state) {
    const bool descriptive = fields.kind == ListKind::Descriptive;
    switch (state) {
    case ListState::Fresh:
        // Cancel: anything typed is dropped.
        return {};
    case ListState::NewList:
        if (descriptive) {
            // A half-filled item is dropped.
            if (fields.item.empty() || fields.text.empty()) return EndTag(fields.kind) + std::string(kCrLf);
            return ListItemLines(fields) + EndTag(fields.kind) + std::string(kCrLf);
        }
        if (fields.item.empty()) return EndTag(fields.kind) + std::string(kCrLf);
        return ListItemLines(fields) + EndTag(fields.kind);
    case ListState::Existing:
        if (descriptive) {
            if (fields.item.empty() && fields.text.empty()) return {};
            return std::string(kItemIndent) + "<DT> " + fields.item + std::string(kCrLf) + std::string(kDdIndent) +
                   "<DD> " + fields.text;
        }
        if (fields.item.empty()) return {};
        return std::string(kItemIndent) + "<LI> " + fields.item;
    }
    return {};
}

const char* ListAddCaption(ListState state) {
    return state == ListState::NewList ? "&Add a List Item" : "&Add to Existing List";
}

const char* ListCloseCaption(ListState state) { return state == ListState::Fresh ? "&Cancel" : "&Done"; }

}  // namespace quillane
