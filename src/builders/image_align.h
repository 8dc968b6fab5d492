#pragma once
#include <span>
#include <string>
#include <string_view>

namespace quillane {

// One item of the image dialog's Align list (Combo1) with what its preview
// shows.
struct ImageAlignItem {
    const char* item;
    // The explanation under the preview (Label12); nullptr: preview hidden.
    const char* explanation;
    // The text floats beside the image (Left, Right): a longer neighbouring text.
    bool wraps;
};

// The Align items in list order.
std::span<const ImageAlignItem> ImageAlignItems();
// The item by its text; nullptr for none.
const ImageAlignItem* FindImageAlignItem(std::string_view item);

// The ALIGN value an item gives: "" for "None", " ALIGN=Bottom" for
// "Bottom(Default)", " ALIGN=" + the text for any other item.
std::string AlignValue(std::string_view item);

// The neighbouring text of the preview.
const char* AlignPreviewNeighbourText(const ImageAlignItem& item);

// The list item that shows an ALIGN value read from a tag: the item of the
// same name, letters compared without regard to case ("Bottom" shows
// "Bottom(Default)"); nullptr when none matches.
const ImageAlignItem* AlignItemForValue(std::string_view value);

}  // namespace quillane
