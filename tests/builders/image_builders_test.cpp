#include "builders/image_builders.h"

#include <gtest/gtest.h>

#include "builders/image_align.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

std::string Snippet(const ImageTagResult& result) {
    if (auto* s = std::get_if<std::string>(&result)) return *s;
    return "message: " + std::get<ImageMessage>(result).text;
}

const ImageMessage kNoFile{"Please enter image filename in the box below.", "GraphText"};
const ImageMessage kNoLink{
    "Please enter URL or the filename of an External image or Sound to be linked in the appropriate box",
    "XimageLink"};

TEST(BuildImageTag, ChecksInOrder) {
    struct Row {
        const char* file;
        bool linked;
        const char* target;
        ImageMessage expected;
    };
    const Row rows[] = {
        {"", false, "", kNoFile},
        {"", true, "", kNoFile},  // the file name is checked first
        {"a.gif", true, "", kNoLink},
        {"a.gif", true, "http://", kNoLink},
        {"a.gif", true, "HTTP://", kNoLink},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.file) + "|" + row.target);
        LinkGraphFields f;
        f.fileName = row.file;
        f.linked = row.linked;
        f.linkTarget = row.target;
        ImageTagResult result = BuildImageTag(f, {}, "");
        ASSERT_TRUE(std::holds_alternative<ImageMessage>(result));
        EXPECT_EQ(std::get<ImageMessage>(result), row.expected);
    }
}

TEST(BuildImageTag, WritesTheElementExactly) {
    LinkGraphFields only;
    only.fileName = "a.gif";
    EXPECT_EQ(Snippet(BuildImageTag(only, {}, "")), "<IMG SRC=\"a.gif\">");

    // A target left unticked is not used, whatever it holds.
    LinkGraphFields unticked = only;
    unticked.linkTarget = "http://";
    EXPECT_EQ(Snippet(BuildImageTag(unticked, {}, "")), "<IMG SRC=\"a.gif\">");

    LinkGraphFields linked = only;
    linked.linked = true;
    linked.linkTarget = "Page.htm";
    EXPECT_EQ(Snippet(BuildImageTag(linked, {}, "")), "<A HREF=\"Page.htm\"><IMG SRC=\"a.gif\"></A>");
    linked.linkTarget = "http://x.com/";
    EXPECT_EQ(Snippet(BuildImageTag(linked, {}, "")), "<A HREF=\"http://x.com/\"><IMG SRC=\"a.gif\"></A>");

    // Every field filled: the attributes in their fixed order, texts as typed.
    LinkGraphFields all;
    all.fileName = "img/Big Pic.gif";
    all.alt = "A \"big\" <picture>";
    all.lowSrc = "small.gif";
    all.width = "100";
    all.height = "50%";
    all.border = "0";
    all.vspace = "2";
    all.hspace = "x";
    VideoFields video;
    video.videoFile = "clip.avi";
    video.loop = "Infinite Loop";
    video.start = "FileOpen and MouseOver";
    video.vcrControls = true;
    video.isMap = true;
    video.useMap = true;
    video.mapName = "nav";
    EXPECT_EQ(Snippet(BuildImageTag(all, ComputeAdvancedImageAttributes(video), AlignValue("Left"))),
              "<IMG SRC=\"img/Big Pic.gif\" LOWSRC=\"small.gif\" DYNSRC=\"clip.avi\" LOOP=Infinite Loop"
              " START=FileOpen and MouseOver CONTROLS ALT=\"A \"big\" <picture>\" ALIGN=Left WIDTH=100"
              " HEIGHT=50% BORDER=0 VSPACE=2 HSPACE=x ISMAP USEMAP=\"#nav\">");
}

VideoFields Video(std::string file, std::string loop = "", std::string start = "", bool controls = false,
                  bool useMap = false, std::string mapName = "", bool isMap = false) {
    VideoFields v;
    v.videoFile = std::move(file);
    v.loop = std::move(loop);
    v.start = std::move(start);
    v.vcrControls = controls;
    v.useMap = useMap;
    v.mapName = std::move(mapName);
    v.isMap = isMap;
    return v;
}

TEST(ComputeAdvancedImageAttributes, BuildsBothGroups) {
    struct Row {
        VideoFields video;
        AdvancedImageAttributes expected;
    };
    const Row rows[] = {
        {Video(""), {"", ""}},
        // No video file: loop, start and controls are not written.
        {Video("", "3", "MouseOver", true), {"", ""}},
        {Video("v.avi"), {" DYNSRC=\"v.avi\"", ""}},
        {Video("v.avi", "10"), {" DYNSRC=\"v.avi\" LOOP=10", ""}},
        {Video("v.avi", "", "FileOpen"), {" DYNSRC=\"v.avi\" START=FileOpen", ""}},
        {Video("v.avi", "", "", true), {" DYNSRC=\"v.avi\" CONTROLS", ""}},
        {Video("", "", "", false, false, "", true), {"", " ISMAP"}},
        // The map name is not checked.
        {Video("", "", "", false, true), {"", " USEMAP=\"#\""}},
        {Video("", "", "", false, true, "m", true), {"", " ISMAP USEMAP=\"#m\""}},
        // A name without the box ticked is not written.
        {Video("", "", "", false, false, "m"), {"", ""}},
    };
    for (const Row& row : rows) {
        AdvancedImageAttributes got = ComputeAdvancedImageAttributes(row.video);
        EXPECT_EQ(got.videoGroup, row.expected.videoGroup);
        EXPECT_EQ(got.mapGroup, row.expected.mapGroup);
    }
}

TEST(ImageAlign, ValuesAndPreviewTexts) {
    std::vector<std::string> items;
    for (const ImageAlignItem& i : ImageAlignItems()) items.push_back(i.item);
    EXPECT_EQ(items, (std::vector<std::string>{"None", "Top", "Middle", "Bottom(Default)", "Left", "Right", "Texttop",
                                               "Absmiddle", "Baseline", "Absbottom"}));

    EXPECT_EQ(AlignValue("None"), "");
    EXPECT_EQ(AlignValue("Bottom(Default)"), " ALIGN=Bottom");
    EXPECT_EQ(AlignValue("Absmiddle"), " ALIGN=Absmiddle");
    EXPECT_EQ(AlignValue("Top"), " ALIGN=Top");

    EXPECT_EQ(FindImageAlignItem("None")->explanation, nullptr);
    EXPECT_STREQ(FindImageAlignItem("Baseline")->explanation,
                 "Aligns the bottom of the image with the baseline of the text.");
    EXPECT_STREQ(AlignPreviewNeighbourText(*FindImageAlignItem("Right")), "This is neighboring text and more text.");
    EXPECT_STREQ(AlignPreviewNeighbourText(*FindImageAlignItem("Top")), "This is neighboring text.");

    EXPECT_EQ(AlignItemForValue("Bottom"), FindImageAlignItem("Bottom(Default)"));
    EXPECT_EQ(AlignItemForValue("texttop"), FindImageAlignItem("Texttop"));
    EXPECT_EQ(AlignItemForValue("center"), nullptr);
}

TEST(ImageFieldsFromTag, FillsTheFieldsOfBothDialogs) {
    // A tag as the dialog writes it reads back into the fields it came from.
    const std::string tag =
        "IMG SRC=\"img/a.gif\" LOWSRC=\"lo.gif\" DYNSRC=\"v.avi\" LOOP=5 START=MouseOver CONTROLS ALT=\"Logo\""
        " ALIGN=Bottom WIDTH=10 HEIGHT=20 BORDER=1 VSPACE=3 HSPACE=4 ISMAP USEMAP=\"#nav\">";
    ImageTagFields got = ImageFieldsFromTag(tag);
    EXPECT_EQ(got.image.fileName, "img/a.gif");
    EXPECT_EQ(got.image.lowSrc, "lo.gif");
    EXPECT_EQ(got.image.alt, "Logo");
    EXPECT_EQ(got.image.width, "10");
    EXPECT_EQ(got.image.height, "20");
    EXPECT_EQ(got.image.border, "1");
    EXPECT_EQ(got.image.vspace, "3");
    EXPECT_EQ(got.image.hspace, "4");
    EXPECT_FALSE(got.image.linked);
    EXPECT_EQ(got.image.linkTarget, "");
    EXPECT_EQ(got.align, "Bottom");
    EXPECT_EQ(got.video.videoFile, "v.avi");
    EXPECT_EQ(got.video.loop, "5");
    EXPECT_EQ(got.video.start, "MouseOver");
    EXPECT_TRUE(got.video.vcrControls);
    EXPECT_TRUE(got.video.isMap);
    EXPECT_TRUE(got.video.useMap);
    EXPECT_EQ(got.video.mapName, "nav");
    EXPECT_EQ(Snippet(BuildImageTag(got.image, ComputeAdvancedImageAttributes(got.video), " ALIGN=" + got.align)),
              "<" + tag);
}

TEST(ImageFieldsFromTag, ReadsAttributesAsGetTagAttributeFindsThem) {
    // Missing attributes give empty fields and unticked boxes.
    ImageTagFields plain = ImageFieldsFromTag("img src=a.gif>");
    EXPECT_EQ(plain.image.fileName, "a.gif");
    EXPECT_EQ(plain.image.alt, "");
    EXPECT_EQ(plain.align, "");
    EXPECT_FALSE(plain.video.useMap);
    EXPECT_EQ(plain.video.mapName, "");
    EXPECT_FALSE(plain.video.isMap);
    EXPECT_FALSE(plain.video.vcrControls);

    // "SRC=" is found inside an earlier "LOWSRC=".
    ImageTagFields lowFirst = ImageFieldsFromTag("IMG LOWSRC=\"lo.gif\" SRC=\"hi.gif\">");
    EXPECT_EQ(lowFirst.image.fileName, "lo.gif");
    EXPECT_EQ(lowFirst.image.lowSrc, "lo.gif");

    // The words CONTROLS and ISMAP tick their boxes wherever they occur.
    ImageTagFields words = ImageFieldsFromTag("IMG SRC=\"controls.gif\" ALT=\"thismap\">");
    EXPECT_TRUE(words.video.vcrControls);
    EXPECT_TRUE(words.video.isMap);

    // A USEMAP value without "#" still loses its first character.
    EXPECT_EQ(ImageFieldsFromTag("IMG SRC=a.gif USEMAP=nav>").video.mapName, "av");
    EXPECT_TRUE(ImageFieldsFromTag("IMG SRC=a.gif USEMAP=\"#\">").video.useMap);
    EXPECT_EQ(ImageFieldsFromTag("IMG SRC=a.gif USEMAP=\"#\">").video.mapName, "");
}

TEST(InsertImageTag, ReplacesTheSelectionAfterAnUndoSnapshot) {
    TestApp app;
    NewDocument(app.ctx);
    SetMarkedText(app.editor(), "x[pic.gif]y");
    LinkGraphFields f;
    f.fileName = "pic.gif";
    f.alt = "P";
    EXPECT_EQ(InsertImageTag(app.ctx, *app.active(), f, {}, ""), std::nullopt);
    EXPECT_EQ(MarkedText(app.editor()), "x<IMG SRC=\"pic.gif\" ALT=\"P\">|y");
    EXPECT_EQ(app.ctx.undoText, "xpic.gify");
    EXPECT_EQ(app.ctx.undoSlot, app.active()->slot());

    // A failed check inserts nothing and takes no snapshot.
    app.ctx.undoText = "kept";
    EXPECT_EQ(InsertImageTag(app.ctx, *app.active(), {}, {}, ""), kNoFile);
    EXPECT_EQ(MarkedText(app.editor()), "x<IMG SRC=\"pic.gif\" ALT=\"P\">|y");
    EXPECT_EQ(app.ctx.undoText, "kept");
}

}  // namespace
}  // namespace quillane
