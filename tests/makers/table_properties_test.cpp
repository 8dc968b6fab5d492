#include "makers/table_properties.h"

#include <gtest/gtest.h>

#include "makers/table_count.h"
#include "makers/table_html.h"
#include "makers/table_maker.h"
#include "support/fakes.h"

namespace quillane {
namespace {

TableSettings Finish(const TableSizeFields& fields) {
    auto result = BuildTableSettings(fields);
    EXPECT_TRUE(std::holds_alternative<TableSettings>(result)) << std::get<std::string>(result);
    return std::holds_alternative<TableSettings>(result) ? std::get<TableSettings>(result) : TableSettings{};
}

TEST(BuildTableSettings, ThePricesExample) {
    TableSizeFields f;
    f.rows = "3";
    f.columns = "2";
    f.border = true;
    f.borderSize = "1";
    f.cellPadding = "4";
    f.width = "100%";
    f.caption = "Prices";
    f.captionAbove = true;
    TableSettings expected;
    expected.rows = 4;
    expected.columns = 3;
    expected.borderAttr = " BORDER=1";
    expected.cellPaddingAttr = " CELLPADDING=4";
    expected.widthAttr = " WIDTH=\"100%\"";
    expected.captionAlignAttr = " ALIGN=Top";
    expected.captionBlock = "\r\n<CAPTION ALIGN=Top>Prices</CAPTION>";
    TableSettings s = Finish(f);
    EXPECT_EQ(s, expected);

    // The Table Maker's first lines.
    OpenTableGrid(s);
    const std::string table = BuildTableHtml(s, {}, {}, TableLayout::Editor);
    EXPECT_EQ(table.substr(0, table.find("\t<TR>")),
              "<TABLE BORDER=1 CELLPADDING=4 WIDTH=\"100%\">\r\n<CAPTION ALIGN=Top>Prices</CAPTION>\r\n");
}

TEST(BuildTableSettings, InitialStateGivesTenByTenWithABorder) {
    TableSettings expected;
    expected.rows = 11;
    expected.columns = 11;
    expected.borderAttr = " BORDER";
    EXPECT_EQ(Finish({}), expected);
}

TEST(BuildTableSettings, EveryFieldInItsAttribute) {
    TableSizeFields f;
    f.rows = "0";
    f.columns = "abc";
    f.caption = "C";
    f.captionBelow = true;
    f.borderSize = "3";
    f.width = "300";
    f.height = "50%";
    f.cellSpacing = "2";
    f.cellPadding = "5";
    f.bgColor = "FFFFFF";
    f.borderColor = "000000";
    f.borderColorLight = "C0C0C0";
    f.borderColorDark = "808080";
    TableSettings expected;
    expected.rows = 11;
    expected.columns = 11;
    expected.borderAttr = " BORDER=3";
    expected.cellSpacingAttr = " CELLSPACING=2";
    expected.cellPaddingAttr = " CELLPADDING=5";
    expected.widthAttr = " WIDTH=\"300\"";
    expected.heightAttr = " HEIGHT=\"50%\"";
    expected.bgColorAttr = " BGCOLOR=FFFFFF";
    expected.borderColorAttr = " BORDERCOLOR=000000";
    expected.borderColorLightAttr = " BORDERCOLORLIGHT=C0C0C0";
    expected.borderColorDarkAttr = " BORDERCOLORDARK=808080";
    expected.captionAlignAttr = " ALIGN=Bottom";
    expected.captionBlock = "\r\n<CAPTION ALIGN=Bottom>C</CAPTION>";
    EXPECT_EQ(Finish(f), expected);
}

TEST(BuildTableSettings, CaptionWithoutPositionAndTableWithoutBorder) {
    TableSizeFields f;
    f.caption = "Plain";
    f.border = false;
    f.borderSize = "2";
    f.borderColor = "FF0000";
    f.borderColorLight = "00FF00";
    f.borderColorDark = "0000FF";
    f.bgColor = "FFFF00";
    const TableSettings s = Finish(f);
    EXPECT_EQ(s.captionBlock, "\r\n<CAPTION>Plain</CAPTION>");
    EXPECT_EQ(s.captionAlignAttr, "");
    // No border: neither the border nor its colours, but the background stays.
    EXPECT_EQ(s.borderAttr, "");
    EXPECT_EQ(s.borderColorAttr, "");
    EXPECT_EQ(s.borderColorLightAttr, "");
    EXPECT_EQ(s.borderColorDarkAttr, "");
    EXPECT_EQ(s.bgColorAttr, " BGCOLOR=FFFF00");
}

TEST(BuildTableSettings, CountsInRange) {
    struct Row {
        const char* rows;
        const char* columns;
        int gridRows;
        int gridColumns;
    };
    const Row rows[] = {
        {"50", "50", 51, 51},
        {"1", "1", 2, 2},
        {"", "0", 11, 11},
        {"2.5", "3.5", 3, 5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rows) + " x " + r.columns);
        TableSizeFields f;
        f.rows = r.rows;
        f.columns = r.columns;
        const TableSettings s = Finish(f);
        EXPECT_EQ(s.rows, r.gridRows);
        EXPECT_EQ(s.columns, r.gridColumns);
    }
}

TEST(BuildTableSettings, RefusedCountsGiveTheirMessage) {
    struct Row {
        const char* rows;
        const char* columns;
        const char* message;
    };
    const Row rows[] = {
        {"51", "2", kMaxTableRowsMessage},
        {"2", "51", kMaxTableColumnsMessage},
        {"51", "51", kMaxTableRowsMessage},
        {"5x", "2", kMaxTableRowsMessage},
        {"-3", "2", kMaxTableRowsMessage},
        {"2", "-1", kMaxTableColumnsMessage},
        {"2", "4 4", kMaxTableColumnsMessage},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rows) + " x " + r.columns);
        TableSizeFields f;
        f.rows = r.rows;
        f.columns = r.columns;
        auto result = BuildTableSettings(f);
        ASSERT_TRUE(std::holds_alternative<std::string>(result));
        EXPECT_EQ(std::get<std::string>(result), r.message);
    }
}

TEST(ClearTableColorAttributes, EmptiesTheBorderAndColoursOnly) {
    TableSettings s;
    s.rows = 4;
    s.columns = 3;
    s.borderAttr = " BORDER";
    s.bgColorAttr = " BGCOLOR=1";
    s.borderColorAttr = " BORDERCOLOR=2";
    s.borderColorLightAttr = " BORDERCOLORLIGHT=3";
    s.borderColorDarkAttr = " BORDERCOLORDARK=4";
    s.widthAttr = " WIDTH=\"5\"";
    s.captionBlock = "\r\n<CAPTION>6</CAPTION>";
    TableSettings expected;
    expected.rows = 4;
    expected.columns = 3;
    expected.widthAttr = " WIDTH=\"5\"";
    expected.captionBlock = "\r\n<CAPTION>6</CAPTION>";
    ClearTableColorAttributes(s);
    EXPECT_EQ(s, expected);
}

TEST(UseTableWizard, ReadsTheBeginnerSwitch) {
    struct Row {
        const char* stored;  // nullptr: not stored
        bool wizard;
    };
    const Row rows[] = {{nullptr, true}, {"on", true}, {"", true}, {"off", false}, {"1", false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored ? r.stored : "(missing)");
        testing::MemorySettings store;
        if (r.stored) store.put("Miscellaneous", "BeginnerTableWizard", r.stored);
        EXPECT_EQ(UseTableWizard(store), r.wizard);
    }
}

TEST(TableWizardStepAt, PagesLabelsAndFocus) {
    const std::string optional = "The following properties are optional.";
    struct Row {
        int step;
        std::string page, label, note, focus;
    };
    const Row rows[] = {
        {1, "Picture1", "Step 1", "", "Text9"},
        {2, "Picture2", "Step 2", optional, "Text1"},
        {3, "Picture3", "Step 3", optional, "Combo3"},
        {4, "Picture4", "Step 4", optional, "Text4"},
    };
    for (const Row& r : rows) {
        const TableWizardStep& s = TableWizardStepAt(r.step);
        EXPECT_EQ(s.page, r.page);
        EXPECT_EQ(s.stepLabel, r.label);
        EXPECT_EQ(s.note, r.note);
        EXPECT_EQ(s.focus, r.focus);
    }
}

}  // namespace
}  // namespace quillane
