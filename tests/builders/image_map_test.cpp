#include "builders/image_map.h"

#include <gtest/gtest.h>

#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

UseMapFields Area(std::array<std::string, 6> coords, std::string url = "a.htm", std::string name = "nav") {
    UseMapFields f;
    f.mapName = std::move(name);
    f.coords = std::move(coords);
    f.url = std::move(url);
    return f;
}

TEST(BuildMapArea, ChecksUrlThenMapName) {
    const ImageMessage noUrl{"Enter URL to link image area to.", "Combo1"};
    const ImageMessage noName{"Enter a name for your image map.", "Text1"};
    struct Row {
        const char* url;
        const char* name;
        bool started;
        ImageMessage expected;
    };
    const Row rows[] = {
        {"", "", false, noUrl},
        {"http://", "nav", false, noUrl},
        {"Http://", "nav", true, noUrl},
        {"a.htm", "", false, noName},
    };
    for (const Row& row : rows) {
        MapAreaResult r = BuildMapArea(Area({}, row.url, row.name), row.started, "Rect");
        ASSERT_TRUE(std::holds_alternative<ImageMessage>(r)) << row.url;
        EXPECT_EQ(std::get<ImageMessage>(r), row.expected);
    }
    // Once the map has started its name is no longer needed.
    MapAreaResult later = BuildMapArea(Area({"1", "2", "3"}, "a.htm", ""), true, "Circle");
    EXPECT_EQ(std::get<MapAreaLines>(later), (MapAreaLines{"<AREA SHAPE=Circle COORDS=\"1,2 3\" HREF=\"a.htm\">\r\n", true}));
}

TEST(BuildMapArea, WritesTheLinesOfEachShape) {
    struct Row {
        const char* shape;
        bool started;
        const char* target;
        const char* expected;
    };
    const std::array<std::string, 6> c{"1", "2", "3", "4", "5", "6"};
    const Row rows[] = {
        {"Circle", false, "", "<MAP NAME=\"nav\">\r\n<AREA SHAPE=Circle COORDS=\"1,2 3\" HREF=\"a.htm\">\r\n"},
        {"Rect", true, "_Top", "<AREA SHAPE=Rect COORDS=\"1,2 3,4\" HREF=\"a.htm\" TARGET=\"_Top\">\r\n"},
        {"Poly", true, "", "<AREA SHAPE=Poly COORDS=\"1,2 3,4 5,6\" HREF=\"a.htm\">\r\n"},
        // No shape chosen yet in the run: the polygon form.
        {"", true, "", "<AREA SHAPE= COORDS=\"1,2 3,4 5,6\" HREF=\"a.htm\">\r\n"},
    };
    for (const Row& row : rows) {
        UseMapFields f = Area(c);
        f.target = row.target;
        MapAreaResult r = BuildMapArea(f, row.started, row.shape);
        EXPECT_EQ(std::get<MapAreaLines>(r), (MapAreaLines{row.expected, true})) << row.shape;
    }
}

TEST(MapShapes, NameTheBoxesEachShapeShows) {
    auto shapes = MapShapes();
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_STREQ(shapes[0].button, "SSOption1");
    EXPECT_STREQ(shapes[0].name, "Circle");
    EXPECT_EQ(shapes[0].labels.size(), 3u);
    EXPECT_STREQ(shapes[0].labels[2], "Circle radius:");
    EXPECT_STREQ(shapes[1].name, "Rect");
    EXPECT_EQ(shapes[1].labels.size(), 4u);
    EXPECT_STREQ(shapes[1].labels[3], "Lower right Y-coordinate:");
    EXPECT_STREQ(shapes[2].name, "Poly");
    EXPECT_EQ(shapes[2].labels.size(), 6u);
    EXPECT_STREQ(shapes[2].labels[5], "Third vertex Y-coordinate:");
}

TEST(ImageMapSequence, TwoAreasThenDone) {
    TestApp app;
    NewDocument(app.ctx);
    SetMarkedText(app.editor(), "<BODY>\r\n|</BODY>");
    ImageMapSequence map(app.ctx, *app.active());
    EXPECT_FALSE(map.mapStarted());

    map.chooseShape("Circle");
    EXPECT_EQ(map.insertArea(Area({"10", "20", "5"})), std::nullopt);
    EXPECT_TRUE(map.mapStarted());
    EXPECT_EQ(app.ctx.undoText, "<BODY>\r\n</BODY>");
    map.chooseShape("Rect");
    EXPECT_EQ(map.insertArea(Area({"0", "0", "9", "9"})), std::nullopt);
    map.done();

    EXPECT_EQ(MarkedText(app.editor()),
              "<BODY>\r\n<MAP NAME=\"nav\">\r\n"
              "<AREA SHAPE=Circle COORDS=\"10,20 5\" HREF=\"a.htm\">\r\n"
              "<AREA SHAPE=Rect COORDS=\"0,0 9,9\" HREF=\"a.htm\">\r\n"
              "</MAP>|</BODY>");
    // The shape outlives the dialog.
    EXPECT_EQ(app.ctx.imageMapShape, "Rect");
    ImageMapSequence next(app.ctx, *app.active());
    EXPECT_EQ(next.shape(), "Rect");
    EXPECT_FALSE(next.mapStarted());
}

TEST(ImageMapSequence, EdgeCases) {
    TestApp app;
    NewDocument(app.ctx);
    ImageMapSequence map(app.ctx, *app.active());

    // A refused area inserts nothing and does not start the map.
    EXPECT_EQ(map.insertArea(Area({}, "a.htm", "")), (ImageMessage{"Enter a name for your image map.", "Text1"}));
    EXPECT_FALSE(map.mapStarted());
    EXPECT_EQ(MarkedText(app.editor()), "|");

    // Before any shape in the run: empty SHAPE, six empty coordinates.
    EXPECT_EQ(map.insertArea(Area({})), std::nullopt);
    EXPECT_EQ(MarkedText(app.editor()), "<MAP NAME=\"nav\">\r\n<AREA SHAPE= COORDS=\", , ,\" HREF=\"a.htm\">\r\n|");

    // Done without any area still closes the map.
    TestApp other;
    NewDocument(other.ctx);
    ImageMapSequence empty(other.ctx, *other.active());
    empty.done();
    EXPECT_EQ(MarkedText(other.editor()), "</MAP>|");
}

}  // namespace
}  // namespace quillane
