#include "builders/image_align.h"

#include <array>

#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr std::array<ImageAlignItem, 10> kItems{{
    {"None", nullptr, false},
    {"Top", "Aligns the top of the image with the top of the tallest item (image, text, etc.) in the line.", false},
    {"Middle", "Aligns the middle of the image with the middle of the baseline text.", false},
    {"Bottom(Default)", "Aligns the bottom of the image with the baseline of the text.", false},
    {"Left",
     "Aligns image to the left margin and wraps multiple lines of text next to (to the right of) the image.", true},
    {"Right",
     "Aligns image to the right margin and wraps multiple lines of text next to (to the left of) the image.", true},
    {"Texttop", "Aligns the top of the image with the top of the tallest text in the line.", false},
    {"Absmiddle", "Aligns the middle of the image with the middle of the largest item in the line.", false},
    {"Baseline", "Aligns the bottom of the image with the baseline of the text.", false},
    {"Absbottom", "Aligns the bottom of the image with the bottom of the lowest item in the line.", false},
}};

bool SameNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && FindNoCase(a, b) == 0; }

}  // namespace

std::span<const ImageAlignItem> ImageAlignItems() { return kItems; }

const ImageAlignItem* FindImageAlignItem(std::string_view item) {
    for (const ImageAlignItem& i : kItems)
        if (item == i.item) return &i;
    return nullptr;
}

std::string AlignValue(std::string_view item) {
    if (item == "None") return {};
    if (item == "Bottom(Default)") return " ALIGN=Bottom";
    return " ALIGN=" + std::string(item);
}

const char* AlignPreviewNeighbourText(const ImageAlignItem& item) {
    return item.wraps ? "This is neighboring text and more text." : "This is neighboring text.";
}

const ImageAlignItem* AlignItemForValue(std::string_view value) {
    if (SameNoCase(value, "Bottom")) return FindImageAlignItem("Bottom(Default)");
    for (const ImageAlignItem& i : kItems)
        if (SameNoCase(value, i.item)) return &i;
    return nullptr;
}

}  // namespace quillane
