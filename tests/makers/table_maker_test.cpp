#include "makers/table_maker.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "builders/browse_for_file.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

TEST(OpenTableGrid, TakesTheCountsWithoutTheHeaderLine) {
    struct Row {
        int rows, columns;          // as the properties dialog leaves them
        int dataRows, dataColumns;  // as the maker keeps them
    };
    const Row rows[] = {{4, 3, 3, 2}, {11, 11, 10, 10}, {51, 51, 50, 50}, {0, 1, 0, 0}, {90, 2, 50, 1}};
    for (const Row& r : rows) {
        TableSettings s;
        s.rows = static_cast<std::int16_t>(r.rows);
        s.columns = static_cast<std::int16_t>(r.columns);
        const TableGridSize size = OpenTableGrid(s);
        EXPECT_EQ(size.rows, r.dataRows);
        EXPECT_EQ(size.columns, r.dataColumns);
        EXPECT_EQ(s.rows, r.dataRows);
        EXPECT_EQ(s.columns, r.dataColumns);
    }
}

TEST(InsertTable, CaretAfterTheTableSnapshotTakenPropertiesCleared) {
    TestApp app;
    NewDocument(app.ctx);
    SetMarkedText(app.editor(), "ab[old]cd");
    app.ctx.tableSettings.rows = 2;
    app.ctx.tableSettings.columns = 2;
    app.ctx.cellProperties.set(1, 1, CellProperty::Header, "1");
    const int focusBefore = app.editor().focusCount;

    EXPECT_TRUE(InsertTable(app.ctx, {{"a", "b"}, {"c", "d"}}));

    EXPECT_EQ(MarkedText(app.editor()),
              "ab<TABLE>\r\n"
              "\t<TR>\r\n"
              "\t\t<TH>a</TH>\r\n"
              "\t\t<TD>b</TD></TR>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>c</TD>\r\n"
              "\t\t<TD>d</TD></TR>\r\n"
              "</TABLE>|\r\n\r\ncd");
    EXPECT_EQ(app.ctx.undoText, "aboldcd");
    EXPECT_EQ(app.ctx.undoCaret, 2u);
    EXPECT_EQ(app.ctx.undoSlot, app.active()->slot());
    EXPECT_GT(app.editor().focusCount, focusBefore);
    EXPECT_TRUE(app.ctx.cellProperties.empty());
}

// With no document there is nowhere to insert: the properties stay for the
// next table, as after Cancel.
TEST(InsertTable, WithoutADocumentKeepsTheProperties) {
    TestApp app;
    app.ctx.tableSettings.rows = 1;
    app.ctx.tableSettings.columns = 1;
    app.ctx.cellProperties.set(1, 1, CellProperty::Align, "Left");
    EXPECT_FALSE(InsertTable(app.ctx, {{"a"}}));
    EXPECT_EQ(app.ctx.cellProperties.at(1, 1).align, "Left");
}

TEST(BrowseCellImage, RelativeImageTagAndLastImageFolder) {
    TestApp app;
    NewDocument(app.ctx);
    app.active()->setCaption("/home/u/web/page.htm");
    app.ctx.lastImageFolder = "/home/u/start/";
    app.dialogs.fileAnswers = {std::string("/home/u/web/img/pic.gif")};

    EXPECT_EQ(BrowseCellImage(app.ctx), "<IMG SRC=\"img/pic.gif\">");
    ASSERT_EQ(app.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = app.dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "Browse...");
    EXPECT_EQ(request.filter,
              "All Files (*.*)|*.*|Graphics Files (*.jpeg, *.jpg, *.gif, *.png)|*.jpeg;*.jpg;*.gif;*.png|"
              "GIF Files (*.gif)|*.gif|JPEG Files (*.jpeg, *.jpg)|*.jpeg;*.jpg");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.startFolder, std::optional<std::string>("/home/u/start/"));
    EXPECT_EQ(LastImageFolder(app.ctx), "/home/u/web/img/");

    // Cancel: nothing, and the folder stays.
    EXPECT_EQ(BrowseCellImage(app.ctx), std::nullopt);
    EXPECT_EQ(LastImageFolder(app.ctx), "/home/u/web/img/");
}

}  // namespace
}  // namespace quillane
