#pragma once
#include <string>
#include <string_view>

namespace quillane {

// The BODY attributes of the Web Page Properties dialog (BGCOLOR), as typed.
// Colours are six hex digits without "#".
struct BodyFields {
    std::string backgroundColor;   // Text1: BGCOLOR
    std::string textColor;         // Text2: TEXT
    std::string linkColor;         // Text3: LINK
    std::string visitedLinkColor;  // Text4: VLINK
    std::string activeLinkColor;   // Text10: ALINK
    std::string background;        // Text9: BACKGROUND
    std::string leftMargin;        // Text12: LEFTMARGIN
    std::string topMargin;         // Text13: TOPMARGIN
    bool fixedWatermark = false;   // SSCheck1: BGPROPERTIES=FIXED
    friend bool operator==(const BodyFields&, const BodyFields&) = default;
};

struct PagePropertiesFields {
    std::string title;  // Text5
    BodyFields body;
    friend bool operator==(const PagePropertiesFields&, const PagePropertiesFields&) = default;
};

inline constexpr const char* kDefaultPageTitle = "Document Title should be typed here";

// The page title the OK keeps for the program: the Title box, or the default
// title when it is empty.
std::string PageTitleText(const PagePropertiesFields& fields);

// The attributes after "<BODY", in the fixed order BACKGROUND, BGCOLOR, TEXT,
// LINK, VLINK, ALINK, LEFTMARGIN, TOPMARGIN, BGPROPERTIES; an empty field
// (a clear check box) leaves its attribute out.
std::string BodyAttributesText(const BodyFields& fields);
// "<BODY" + the attributes, without the closing ">".
std::string BodyText(const BodyFields& fields);

// The fields the dialog reads from the BODY tag text (everything after its
// "<" through its ">") when it opens: names matched with their case (" LINK="
// with its space, so that VLINK and ALINK do not count), colours without a
// leading "#".
BodyFields ParseBodyTag(std::string_view tagText);
// The five colours of a BODY tag text, read as on opening; the other fields
// stay empty.
BodyFields ColorsFromBodyTag(std::string_view tagText);
// The fields Edit Tag fills from a BODY tag text: attributes read with
// GetTagAttribute (letters in any case), colours without a leading "#".
// LINK counts only where "LINK=" is not the end of VLINK= or ALINK=.
BodyFields BodyFieldsFromTag(std::string_view tagText);
// Copies the five colours of `from` into `to`.
void CopyColors(const BodyFields& from, BodyFields& to);

}  // namespace quillane
