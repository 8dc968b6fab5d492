#pragma once
#include <string>
#include <string_view>
#include <variant>

namespace quillane {

// A refused build: the message to show and the control (by name) that gets
// the focus; "" leaves the focus where it is.
struct MultimediaMessage {
    std::string text;
    std::string focus;
    friend bool operator==(const MultimediaMessage&, const MultimediaMessage&) = default;
};

// Either the message of a failed check or the element text to insert.
using MultimediaResult = std::variant<MultimediaMessage, std::string>;

// Horizontal Rule (HRForm).
enum class RuleAlign { None, Left, Right, Center };

struct HrFields {
    std::string size;   // Text1: SIZE
    std::string width;  // Text2: WIDTH
    RuleAlign align = RuleAlign::None;  // Option1..Option3
    bool noShade = false;               // SSCheck1: NOSHADE
    friend bool operator==(const HrFields&, const HrFields&) = default;
};

// BuildRuleTag: the HR element; it has no checks.
std::string BuildRuleTag(const HrFields& fields);

// The fields Edit Tag reads from an HR tag's text (everything after its "<"
// through its ">"). An ALIGN value other than left, right or center (any
// case) chooses no option; NOSHADE anywhere in the tag ticks its box.
HrFields HrFieldsFromTag(std::string_view tagText);

// Java Applet (Applet).
struct AppletFields {
    std::string code;      // Text1: CODE
    std::string alt;       // Text4: ALT
    std::string codebase;  // Text5: CODEBASE
    std::string height;    // Text2: HEIGHT
    std::string width;     // Text3: WIDTH
    std::string vspace;    // Text6: VSPACE
    std::string hspace;    // Text7: HSPACE
    std::string alignValue;  // as the Align list last set it (AlignValue)
    friend bool operator==(const AppletFields&, const AppletFields&) = default;
};

// BuildAppletTag: the opening APPLET tag, or the message when no applet is
// named. The closing tag is inserted separately.
MultimediaResult BuildAppletTag(const AppletFields& fields);

// What follows the applet's opening tag when a new applet is inserted.
inline constexpr std::string_view kAppletCloseText = "\r\n</APPLET>";

// The fields Edit Tag reads from an APPLET tag's text; `align` is the tag's
// ALIGN value ("" leaves the list unchosen), alignValue stays empty.
struct AppletTagFields {
    AppletFields fields;
    std::string align;
};
AppletTagFields AppletFieldsFromTag(std::string_view tagText);

// The explanation the applet's Align Preview shows for an Align item;
// nullptr for "None" and unknown items (the preview is hidden).
const char* AppletAlignExplanation(std::string_view item);

// Applet Parameter (Parametr).
struct ParamFields {
    std::string name;   // Text1: NAME
    std::string value;  // Text2: VALUE
    friend bool operator==(const ParamFields&, const ParamFields&) = default;
};

// BuildParamTag: one PARAM line, ending in CR LF; it has no checks.
std::string BuildParamTag(const ParamFields& fields);
ParamFields ParamFieldsFromTag(std::string_view tagText);

// The LOOP value of a Loop list: "" for "None", " LOOP=" + the item for any
// other item chosen from the list. Text typed into the box gives
// TypedLoopValue instead, " LOOP=" + the text even when it is empty.
std::string LoopValue(std::string_view item);
std::string TypedLoopValue(std::string_view text);

// Background Sound (BGSound).
struct SoundFields {
    std::string src;        // Text1: SRC
    std::string loopValue;  // as the Loop box last set it
};
MultimediaResult BuildSoundTag(const SoundFields& fields);

// Embedded Object (EMBEDITEM).
struct EmbedFields {
    std::string src;       // Text1: SRC
    std::string alt;       // Text4: ALT
    std::string width;     // Text2: WIDTH
    std::string height;    // Text3: HEIGHT
    std::string controls;  // Combo1 item: "Hidden", "Small", "Normal" or ""
    std::string align;     // Combo2 item or ""
    bool autostart = false;  // Check1
    bool loop = false;       // Check2
};
MultimediaResult BuildEmbedTag(const EmbedFields& fields);

// Floating Frame (Float).
struct FloatFields {
    std::string src;      // Combo1: SRC
    std::string width;    // Text1: WIDTH
    std::string height;   // Text2: HEIGHT
    std::string altText;  // Text6: between the tags
    std::string hspace;   // Text3: HSPACE
    std::string vspace;   // Text4: VSPACE
    std::string align = "None";  // Combo2 text
    bool scrolling = true;       // Check1
    bool frameBorder = true;     // Check2
};
MultimediaResult BuildFloatingFrameTag(const FloatFields& fields);

// Marquee.
struct MarqueeFields {
    std::string text;  // Text1: the scrolled text
    bool left = false;  // SSOption1 chosen: DIRECTION=Left, else Right
    // The align, behaviour and loop values as their lists last set them.
    std::string alignValue;
    std::string behaviorValue;
    std::string loopValue;
    std::string height;        // Text2
    std::string width;         // Text3
    std::string vspace;        // Text6
    std::string hspace;        // Text7
    std::string scrollAmount;  // Text8
    std::string scrollDelay;   // Text9
    std::string bgColor;       // Text4: RRGGBB
};
MultimediaResult BuildMarqueeTag(const MarqueeFields& fields);

// The marquee's list values: Align ("None" gives "", "Bottom(Default)"
// " ALIGN=Bottom") and Behavior ("Scroll(Default)" gives " BEHAVIOR=Scroll").
std::string MarqueeAlignValue(std::string_view item);
std::string MarqueeBehaviorValue(std::string_view item);

}  // namespace quillane
