#include "builders/page_files.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/document_lifecycle.h"
#include "editor/hostile_files.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TempFolder;
using testing::TestApp;

BodyFields Colors(const char* background, const char* text, const char* link = "", const char* visited = "",
                  const char* active = "") {
    BodyFields f;
    f.backgroundColor = background;
    f.textColor = text;
    f.linkColor = link;
    f.visitedLinkColor = visited;
    f.activeLinkColor = active;
    return f;
}

std::string MessageOf(const std::variant<ColorsMessage, BodyFields>& result) {
    const auto* message = std::get_if<ColorsMessage>(&result);
    return message ? message->text : "";
}

TEST(ColorsFromPageFile, ReadsTheFiveColoursOfTheFirstBodyTag) {
    TempFolder files;
    const std::string path = files.write(
        "colours.htm", "<HTML>\r\n<BODY BACKGROUND=\"b.gif\" BGCOLOR=\"#FFFFFF\" TEXT=#000000 LINK=#0000FF"
                       " VLINK=#800080 ALINK=#FF0000 LEFTMARGIN=4>\r\n<BODY BGCOLOR=#111111></HTML>");
    auto result = ColorsFromPageFile(path);
    ASSERT_TRUE(std::holds_alternative<BodyFields>(result));
    EXPECT_EQ(std::get<BodyFields>(result), Colors("FFFFFF", "000000", "0000FF", "800080", "FF0000"));

    // A tag cut off by the end of the file is read to the end.
    auto cut = ColorsFromPageFile(files.write("cut.htm", "<BODY TEXT=#123456"));
    ASSERT_TRUE(std::holds_alternative<BodyFields>(cut));
    EXPECT_EQ(std::get<BodyFields>(cut).textColor, "123456");
}

TEST(ColorsFromPageFile, ExplainsWhyThereAreNoColours) {
    TempFolder files;
    EXPECT_EQ(MessageOf(ColorsFromPageFile(files.path("missing.htm"))), "Can't open file: " + files.path("missing.htm"));
    EXPECT_EQ(MessageOf(ColorsFromPageFile(files.folderWithoutSlash())), "Can't open file: " + files.folderWithoutSlash());
    // "<BODY" is looked for with its case.
    EXPECT_EQ(MessageOf(ColorsFromPageFile(files.write("lower.htm", "<body bgcolor=#FFFFFF>"))),
              "No colors in this HTML document.");

    // The limit is 64000 bytes: one more is refused, exactly that many is read.
    const std::string tag = "<BODY BGCOLOR=#00FF00>";
    const std::string big = tag + std::string(64001 - tag.size(), 'x');
    EXPECT_EQ(MessageOf(ColorsFromPageFile(files.write("big.htm", big))),
              "Quillane cannot open documents larger than 64K.");
    auto limit = ColorsFromPageFile(files.write("limit.htm", big.substr(0, 64000)));
    ASSERT_TRUE(std::holds_alternative<BodyFields>(limit));
    EXPECT_EQ(std::get<BodyFields>(limit).backgroundColor, "00FF00");

    // A pipe is refused at once instead of waiting for a writer.
    const std::string pipe = testing::MakePipe(files, "pipe.htm");
    testing::PipeReleaser release(pipe);
    EXPECT_EQ(MessageOf(ColorsFromPageFile(pipe)), "Can't open file: " + pipe);
}

TEST(ColorsFromAnotherPage, BrowsesFromTheWorkingFolderAndCopiesTheColours) {
    TempFolder files;
    TestApp app;
    app.ctx.documentFolder = files.folder();
    const std::string page = files.write("page.htm", "<BODY BGCOLOR=#ABCDEF TEXT=#010203>");
    BodyFields fields;
    fields.linkColor = "FFFFFF";
    fields.background = "keep.gif";

    app.dialogs.fileAnswers = {page};
    EXPECT_TRUE(ColorsFromAnotherPage(app.ctx, fields));
    ASSERT_EQ(app.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = app.dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "Browse...");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|HTML Files (*.html, *.htm)|*.html;*.htm");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.startFolder, files.folder());
    BodyFields expected = Colors("ABCDEF", "010203");
    expected.background = "keep.gif";
    EXPECT_EQ(fields, expected);

    // Cancel changes nothing; a page without colours says so and changes nothing.
    app.dialogs.fileAnswers = {std::nullopt, files.write("none.htm", "<P>no body</P>")};
    EXPECT_FALSE(ColorsFromAnotherPage(app.ctx, fields));
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_FALSE(ColorsFromAnotherPage(app.ctx, fields));
    EXPECT_EQ(app.messages.texts(), std::vector<std::string>{"No colors in this HTML document."});
    EXPECT_EQ(fields.backgroundColor, "ABCDEF");
}

TEST(BackgroundBrowse, StartsInTheLastImageFolderAndRemembersTheNewOne) {
    TempFolder files;
    TestApp app;
    NewDocument(app.ctx);
    app.active()->setCaption(files.path("index.htm"));
    app.ctx.settings.ImageDirectory = "/images/";
    const std::string image = files.write("Back.GIF", "GIF89a");

    app.dialogs.fileAnswers = {std::nullopt, image};
    EXPECT_FALSE(BrowseBackground(app.ctx));
    EXPECT_EQ(app.dialogs.fileRequests[0].startFolder, "/images/");
    EXPECT_EQ(app.dialogs.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(LastImageFolder(app.ctx), "/images/");

    std::optional<BrowsedFile> file = BrowseBackground(app.ctx);
    ASSERT_TRUE(file);
    EXPECT_EQ(LastImageFolder(app.ctx), files.folder());
    // Beside the document: the bare name, as the file system finds it.
    EXPECT_EQ(BackgroundReference(app.ctx, *file), LinkFileName(*file));
    EXPECT_EQ(BackgroundFixedDirText(*file, true), files.folder() + LinkFileName(*file));
    EXPECT_EQ(BackgroundFixedDirText(*file, false), LinkFileName(*file));
}

}  // namespace
}  // namespace quillane
