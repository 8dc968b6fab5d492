#include "builders/meta_tags.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace quillane {
namespace {

TEST(MetaTags, BuildsEachLineFromItsField) {
    struct Row {
        MetaTagsFields fields;
        MetaLines expected;
    };
    const Row rows[] = {
        {{}, {}},
        {{"My page", "", false, "", ""}, {"<META Name=\"description\" Content=\"My page\">\r\n", "", ""}},
        {{"", "html, editor", false, "", ""}, {"", "<META Name=\"keywords\" Content=\"html, editor\">\r\n", ""}},
        // The refresh line only for a splash screen; seconds lose their
        // surrounding spaces, the URL is kept as typed.
        {{"", "", false, "5", "next.htm"}, {}},
        {{"", "", true, "  5 ", " next.htm"},
         {"", "", "<META HTTP-EQUIV=\"Refresh\" Content=\"5;URL= next.htm\">\r\n"}},
        // Neither value is checked.
        {{"", "", true, "", ""}, {"", "", "<META HTTP-EQUIV=\"Refresh\" Content=\";URL=\">\r\n"}},
        // Field texts are written exactly as typed, never escaped.
        {{"a \"quoted\" <b>", "k", true, "x", "u"},
         {"<META Name=\"description\" Content=\"a \"quoted\" <b>\">\r\n", "<META Name=\"keywords\" Content=\"k\">\r\n",
          "<META HTTP-EQUIV=\"Refresh\" Content=\"x;URL=u\">\r\n"}},
    };
    for (const Row& row : rows) EXPECT_EQ(BuildMetaLines(row.fields), row.expected) << row.fields.description;
}

TEST(MetaTags, ConfirmReplacesTheProgramsLines) {
    testing::TestApp app;
    app.ctx.metaLines = {"old\r\n", "old\r\n", "old\r\n"};
    ConfirmMetaTags(app.ctx, {"d", "", false, "", ""});
    EXPECT_EQ(app.ctx.metaLines, (MetaLines{"<META Name=\"description\" Content=\"d\">\r\n", "", ""}));
    EXPECT_EQ(app.ctx.metaLines.joined(), "<META Name=\"description\" Content=\"d\">\r\n");
    EXPECT_FALSE(app.ctx.metaLines.empty());
}

}  // namespace
}  // namespace quillane
