#include "builders/multimedia_builders.h"

#include "builders/attribute_text.h"
#include "builders/image_align.h"
#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr char kQ = '"';

bool SameNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && FindNoCase(a, b) == 0; }

}  // namespace

std::string BuildRuleTag(const HrFields& f) {
    std::string out = "<HR";
    out += OptionalPlainAttribute("SIZE", f.size);
    out += OptionalPlainAttribute("WIDTH", f.width);
    switch (f.align) {
        case RuleAlign::Left: out += " ALIGN=left"; break;
        case RuleAlign::Right: out += " ALIGN=right"; break;
        case RuleAlign::Center: out += " ALIGN=center"; break;
        case RuleAlign::None: break;
    }
    if (f.noShade) out += " NOSHADE";
    out += '>';
    return out;
}

HrFields HrFieldsFromTag(std::string_view tag) {
    HrFields f;
    f.width = GetTagAttribute(tag, "WIDTH=");
    f.size = GetTagAttribute(tag, "SIZE=");
    f.noShade = TagHasWord(tag, "NOSHADE");
    const std::string align = GetTagAttribute(tag, "ALIGN=");
    if (SameNoCase(align, "LEFT")) f.align = RuleAlign::Left;
    else if (SameNoCase(align, "RIGHT")) f.align = RuleAlign::Right;
    else if (SameNoCase(align, "CENTER")) f.align = RuleAlign::Center;
    return f;
}

MultimediaResult BuildAppletTag(const AppletFields& f) {
    if (f.code.empty()) return MultimediaMessage{"Please enter Applet name in the box below.", "Text1"};
    std::string out = "<APPLET CODE=";
    out += kQ;
    out += f.code;
    out += kQ;
    out += OptionalQuotedAttribute("CODEBASE", f.codebase);
    out += OptionalQuotedAttribute("ALT", f.alt);
    out += f.alignValue;
    out += OptionalPlainAttribute("WIDTH", f.width);
    out += OptionalPlainAttribute("HEIGHT", f.height);
    out += OptionalPlainAttribute("VSPACE", f.vspace);
    out += OptionalPlainAttribute("HSPACE", f.hspace);
    out += '>';
    return out;
}

AppletTagFields AppletFieldsFromTag(std::string_view tag) {
    AppletTagFields out;
    AppletFields& f = out.fields;
    f.alt = GetTagAttribute(tag, "ALT=");
    f.width = GetTagAttribute(tag, "WIDTH=");
    f.height = GetTagAttribute(tag, "HEIGHT=");
    f.code = GetTagAttribute(tag, "CODE=");
    f.codebase = GetTagAttribute(tag, "CODEBASE=");
    out.align = GetTagAttribute(tag, "ALIGN=");
    f.vspace = GetTagAttribute(tag, "VSPACE=");
    f.hspace = GetTagAttribute(tag, "HSPACE=");
    return out;
}

const char* AppletAlignExplanation(std::string_view item) {
    struct Row {
        std::string_view item;
        const char* text;
    };
    static constexpr Row kRows[] = {
        {"Top", "Aligns the top of the applet with the top of the tallest item (image, text, etc.) in the line."},
        {"Middle", "Aligns the middle of the applet with the middle of the baseline text."},
        {"Bottom(Default)", "Aligns the bottom of the applet with the baseline of the text."},
        {"Left",
         "Aligns applet to the left margin and wraps multiple lines of text next to (to the right of) the image."},
        {"Right",
         "Aligns applet to the right margin and wraps multiple lines of text next to (to the left of) the image."},
        {"Texttop", "Aligns the top of the applet with the top of the tallest text in the line."},
        {"Absmiddle", "Aligns the middle of the applet with the middle of the largest item in the line."},
        {"Absbottom", "Aligns the bottom of the applet with the bottom of the lowest item in the line."},
        {"Baseline", "Aligns the bottom of the applet with the baseline of the text."},
    };
    for (const Row& row : kRows)
        if (row.item == item) return row.text;
    return nullptr;
}

std::string BuildParamTag(const ParamFields& f) {
    std::string out = "<PARAM";
    out += f.name.empty() ? std::string(" NAME=") : QuotedAttribute("NAME", f.name);
    out += f.value.empty() ? std::string(" VALUE=") : QuotedAttribute("VALUE", f.value);
    out += ">\r\n";
    return out;
}

ParamFields ParamFieldsFromTag(std::string_view tag) {
    return {GetTagAttribute(tag, "NAME="), GetTagAttribute(tag, "VALUE=")};
}

std::string LoopValue(std::string_view item) { return item == "None" ? std::string() : PlainAttribute("LOOP", item); }

std::string TypedLoopValue(std::string_view text) { return PlainAttribute("LOOP", text); }

MultimediaResult BuildSoundTag(const SoundFields& f) {
    if (f.src.empty()) return MultimediaMessage{"Please enter sound filename in the box below.", "Text1"};
    return "<BGSOUND SRC=" + std::string(1, kQ) + f.src + kQ + f.loopValue + ">";
}

MultimediaResult BuildEmbedTag(const EmbedFields& f) {
    if (f.src.empty()) return MultimediaMessage{"Please enter object to be embedded in the box below.", ""};
    std::string out = "<EMBED SRC=";
    out += kQ;
    out += f.src;
    out += kQ;
    out += OptionalPlainAttribute("WIDTH", f.width);
    out += OptionalPlainAttribute("HEIGHT", f.height);
    out += OptionalPlainAttribute("ALIGN", f.align);
    if (f.controls == "Hidden") out += " HIDDEN=TRUE";
    else if (f.controls == "Small") out += " CONTROLS=SMALLCONSOLE";
    else if (f.controls == "Normal") out += " CONTROLS=CONSOLE";
    if (f.autostart) out += " AUTOSTART=TRUE";
    if (f.loop) out += " LOOP=TRUE";
    out += OptionalQuotedAttribute("ALT", f.alt);
    out += '>';
    return out;
}

MultimediaResult BuildFloatingFrameTag(const FloatFields& f) {
    if (f.src.empty()) return MultimediaMessage{"Please enter Source URL in the box below.", "Combo1"};
    if (f.width.empty() || f.height.empty())
        return MultimediaMessage{"Please enter Frame width and height in the appropriate box below.", "Text1"};
    std::string out = "<IFRAME";
    out += QuotedAttribute("SRC", f.src);
    out += PlainAttribute("HEIGHT", f.height);
    out += PlainAttribute("WIDTH", f.width);
    out += OptionalPlainAttribute("VSPACE", f.vspace);
    out += OptionalPlainAttribute("HSPACE", f.hspace);
    out += f.frameBorder ? " FRAMEBORDER=1" : " FRAMEBORDER=0";
    out += f.scrolling ? " SCROLLING=YES" : " SCROLLING=NO";
    if (f.align != "None") out += PlainAttribute("ALIGN", f.align);
    out += ">\r\n";
    out += f.altText;
    out += "\r\n</IFRAME>";
    return out;
}

MultimediaResult BuildMarqueeTag(const MarqueeFields& f) {
    if (f.text.empty()) return MultimediaMessage{"Please enter text to be marqueed in the box below.", "Text1"};
    std::string out = "<MARQUEE";
    out += f.left ? " DIRECTION=Left" : " DIRECTION=Right";
    out += f.alignValue;
    out += f.behaviorValue;
    out += f.loopValue;
    out += OptionalPlainAttribute("WIDTH", f.width);
    out += OptionalPlainAttribute("HEIGHT", f.height);
    out += OptionalPlainAttribute("VSPACE", f.vspace);
    out += OptionalPlainAttribute("HSPACE", f.hspace);
    out += OptionalPlainAttribute("SCROLLAMOUNT", f.scrollAmount);
    out += OptionalPlainAttribute("SCROLLDELAY", f.scrollDelay);
    out += OptionalPlainAttribute("BGCOLOR", f.bgColor);
    out += '>';
    out += f.text;
    out += "</MARQUEE>";
    return out;
}

std::string MarqueeAlignValue(std::string_view item) { return AlignValue(item); }

std::string MarqueeBehaviorValue(std::string_view item) {
    if (item == "Scroll(Default)") return " BEHAVIOR=Scroll";
    return PlainAttribute("BEHAVIOR", item);
}

}  // namespace quillane
