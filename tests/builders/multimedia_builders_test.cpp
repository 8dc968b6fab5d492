#include "builders/multimedia_builders.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

std::string Snippet(const MultimediaResult& r) {
    const auto* s = std::get_if<std::string>(&r);
    return s ? *s : "message: " + std::get<MultimediaMessage>(r).text;
}

TEST(RuleTag, BuildsFromItsFields) {
    struct Row {
        HrFields fields;
        std::string expected;
    };
    const Row rows[] = {
        {{}, "<HR>"},
        {{"3", "50%", RuleAlign::Center, true}, "<HR SIZE=3 WIDTH=50% ALIGN=center NOSHADE>"},
        {{"", "", RuleAlign::Left, false}, "<HR ALIGN=left>"},
        {{"", "80", RuleAlign::Right, false}, "<HR WIDTH=80 ALIGN=right>"},
    };
    for (const Row& row : rows) EXPECT_EQ(BuildRuleTag(row.fields), row.expected);
}

TEST(RuleTag, FieldsFromTag) {
    struct Row {
        std::string tag;
        HrFields expected;
    };
    const Row rows[] = {
        {"HR>", {}},
        {"HR SIZE=3 WIDTH=50% ALIGN=center NOSHADE>", {"3", "50%", RuleAlign::Center, true}},
        {"hr align=\"Left\" noshade>", {"", "", RuleAlign::Left, true}},
        {"HR ALIGN=RIGHT>", {"", "", RuleAlign::Right, false}},
        {"HR ALIGN=middle WIDTH=\"10\">", {"", "10", RuleAlign::None, false}},
    };
    for (const Row& row : rows) EXPECT_EQ(HrFieldsFromTag(row.tag), row.expected) << row.tag;
    // The round trip gives the same tag back.
    const std::string tag = "<HR SIZE=3 WIDTH=50% ALIGN=center NOSHADE>";
    EXPECT_EQ(BuildRuleTag(HrFieldsFromTag(tag.substr(1))), tag);
}

TEST(AppletTag, NeedsACodeName) {
    AppletFields f;
    f.alt = "x";
    EXPECT_EQ(std::get<MultimediaMessage>(BuildAppletTag(f)),
              (MultimediaMessage{"Please enter Applet name in the box below.", "Text1"}));
}

TEST(AppletTag, BuildsInAttributeOrder) {
    AppletFields f;
    f.code = "Clock.class";
    EXPECT_EQ(Snippet(BuildAppletTag(f)), "<APPLET CODE=\"Clock.class\">");
    f = {"A.class", "alt text", "classes/", "20", "30", "1", "2", " ALIGN=Bottom"};
    EXPECT_EQ(Snippet(BuildAppletTag(f)),
              "<APPLET CODE=\"A.class\" CODEBASE=\"classes/\" ALT=\"alt text\" ALIGN=Bottom WIDTH=30 HEIGHT=20 "
              "VSPACE=1 HSPACE=2>");
    EXPECT_EQ(kAppletCloseText, "\r\n</APPLET>");
}

TEST(AppletTag, FieldsFromTag) {
    const AppletTagFields t =
        AppletFieldsFromTag("APPLET CODE=\"A.class\" CODEBASE=\"c/\" ALT=\"a b\" ALIGN=top WIDTH=3 HEIGHT=2 VSPACE=1 "
                            "HSPACE=4>");
    EXPECT_EQ(t.fields, (AppletFields{"A.class", "a b", "c/", "2", "3", "1", "4", ""}));
    EXPECT_EQ(t.align, "top");
    EXPECT_EQ(AppletFieldsFromTag("APPLET>").align, "");
}

TEST(ParamTag, BuildsOneLine) {
    EXPECT_EQ(BuildParamTag({}), "<PARAM NAME= VALUE=>\r\n");
    EXPECT_EQ(BuildParamTag({"speed", "5"}), "<PARAM NAME=\"speed\" VALUE=\"5\">\r\n");
    EXPECT_EQ(BuildParamTag({"", "5"}), "<PARAM NAME= VALUE=\"5\">\r\n");
    EXPECT_EQ(ParamFieldsFromTag("PARAM NAME=\"speed\" VALUE=5>"), (ParamFields{"speed", "5"}));
    EXPECT_EQ(ParamFieldsFromTag("param>"), ParamFields{});
}

TEST(LoopValues, ChosenAndTyped) {
    EXPECT_EQ(LoopValue("None"), "");
    EXPECT_EQ(LoopValue("Infinite"), " LOOP=Infinite");
    EXPECT_EQ(LoopValue("5"), " LOOP=5");
    EXPECT_EQ(TypedLoopValue(""), " LOOP=");
    EXPECT_EQ(TypedLoopValue("7"), " LOOP=7");
}

TEST(SoundTag, Builds) {
    EXPECT_EQ(std::get<MultimediaMessage>(BuildSoundTag({"", " LOOP=2"})),
              (MultimediaMessage{"Please enter sound filename in the box below.", "Text1"}));
    EXPECT_EQ(Snippet(BuildSoundTag({"a.wav", LoopValue("Infinite")})), "<BGSOUND SRC=\"a.wav\" LOOP=Infinite>");
    EXPECT_EQ(Snippet(BuildSoundTag({"a.wav", ""})), "<BGSOUND SRC=\"a.wav\">");
}

TEST(EmbedTag, Builds) {
    EmbedFields f;
    f.alt = "x";
    EXPECT_EQ(std::get<MultimediaMessage>(BuildEmbedTag(f)),
              (MultimediaMessage{"Please enter object to be embedded in the box below.", ""}));
    struct Row {
        std::string controls;
        std::string expected;
    };
    const Row rows[] = {
        {"", ""}, {"Hidden", " HIDDEN=TRUE"}, {"Small", " CONTROLS=SMALLCONSOLE"}, {"Normal", " CONTROLS=CONSOLE"}};
    for (const Row& row : rows) {
        EmbedFields e;
        e.src = "s.mid";
        e.controls = row.controls;
        EXPECT_EQ(Snippet(BuildEmbedTag(e)), "<EMBED SRC=\"s.mid\"" + row.expected + ">");
    }
    f = {"v.avi", "alt", "10", "20", "Small", "Top", true, true};
    EXPECT_EQ(Snippet(BuildEmbedTag(f)),
              "<EMBED SRC=\"v.avi\" WIDTH=10 HEIGHT=20 ALIGN=Top CONTROLS=SMALLCONSOLE AUTOSTART=TRUE LOOP=TRUE "
              "ALT=\"alt\">");
}

TEST(FloatingFrameTag, ChecksInOrder) {
    FloatFields f;
    EXPECT_EQ(std::get<MultimediaMessage>(BuildFloatingFrameTag(f)),
              (MultimediaMessage{"Please enter Source URL in the box below.", "Combo1"}));
    f.src = "a.htm";
    f.width = "5";
    const MultimediaMessage size{"Please enter Frame width and height in the appropriate box below.", "Text1"};
    EXPECT_EQ(std::get<MultimediaMessage>(BuildFloatingFrameTag(f)), size);
    f.width.clear();
    f.height = "5";
    EXPECT_EQ(std::get<MultimediaMessage>(BuildFloatingFrameTag(f)), size);
}

TEST(FloatingFrameTag, Builds) {
    FloatFields f;
    f.src = "a.htm";
    f.width = "100";
    f.height = "50%";
    EXPECT_EQ(Snippet(BuildFloatingFrameTag(f)),
              "<IFRAME SRC=\"a.htm\" HEIGHT=50% WIDTH=100 FRAMEBORDER=1 SCROLLING=YES>\r\n\r\n</IFRAME>");
    f.altText = "No frames";
    f.vspace = "1";
    f.hspace = "2";
    f.align = "Left";
    f.scrolling = false;
    f.frameBorder = false;
    EXPECT_EQ(Snippet(BuildFloatingFrameTag(f)),
              "<IFRAME SRC=\"a.htm\" HEIGHT=50% WIDTH=100 VSPACE=1 HSPACE=2 FRAMEBORDER=0 SCROLLING=NO ALIGN=Left>"
              "\r\nNo frames\r\n</IFRAME>");
    f.align = "";
    EXPECT_NE(Snippet(BuildFloatingFrameTag(f)).find(" ALIGN=>"), std::string::npos);
}

TEST(MarqueeTag, Builds) {
    MarqueeFields f;
    f.bgColor = "FF0000";
    EXPECT_EQ(std::get<MultimediaMessage>(BuildMarqueeTag(f)),
              (MultimediaMessage{"Please enter text to be marqueed in the box below.", "Text1"}));
    MarqueeFields hello;
    hello.text = "Hello";
    EXPECT_EQ(Snippet(BuildMarqueeTag(hello)), "<MARQUEE DIRECTION=Right>Hello</MARQUEE>");
    f.text = "Hi";
    f.left = true;
    f.alignValue = MarqueeAlignValue("Bottom(Default)");
    f.behaviorValue = MarqueeBehaviorValue("Scroll(Default)");
    f.loopValue = TypedLoopValue("");
    f = {"Hi", true, f.alignValue, f.behaviorValue, f.loopValue, "2", "3", "4", "5", "6", "7", "FF0000"};
    EXPECT_EQ(Snippet(BuildMarqueeTag(f)),
              "<MARQUEE DIRECTION=Left ALIGN=Bottom BEHAVIOR=Scroll LOOP= WIDTH=3 HEIGHT=2 VSPACE=4 HSPACE=5 "
              "SCROLLAMOUNT=6 SCROLLDELAY=7 BGCOLOR=FF0000>Hi</MARQUEE>");
    EXPECT_EQ(MarqueeAlignValue("None"), "");
    EXPECT_EQ(MarqueeAlignValue("Top"), " ALIGN=Top");
    EXPECT_EQ(MarqueeBehaviorValue("Slide"), " BEHAVIOR=Slide");
}

}  // namespace
}  // namespace quillane

namespace quillane {
namespace {

TEST(AppletTag, AlignExplanations) {
    EXPECT_EQ(AppletAlignExplanation("None"), nullptr);
    EXPECT_STREQ(AppletAlignExplanation("Absbottom"),
                 "Aligns the bottom of the applet with the bottom of the lowest item in the line.");
    EXPECT_STREQ(AppletAlignExplanation("Left"),
                 "Aligns applet to the left margin and wraps multiple lines of text next to (to the right of) the "
                 "image.");
}

}  // namespace
}  // namespace quillane
