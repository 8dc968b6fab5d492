#include "builders/browse_for_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "builders/image_file_filters.h"
#include "editor/document_lifecycle.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TempFolder;
using testing::TestApp;

TEST(BrowseForFile, AsksTheOpenDialogAndSplitsTheChoice) {
    TestApp app;
    app.dialogs.fileAnswers = {std::string("/web/img/Logo.GIF")};
    BrowsedFile file = BrowseForFile(app.ctx, kImageFilter, 2, "/web/pics/");

    ASSERT_EQ(app.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& asked = app.dialogs.fileRequests[0];
    EXPECT_EQ(asked.title, "Browse...");
    EXPECT_EQ(asked.filter, kImageFilter);
    EXPECT_EQ(asked.filterIndex, 2);
    EXPECT_EQ(asked.startFolder, std::optional<std::string>("/web/pics/"));
    EXPECT_EQ(asked.initialName, std::optional<std::string>(""));

    EXPECT_TRUE(file.chosen());
    EXPECT_EQ(file.name, "Logo.GIF");
    EXPECT_EQ(file.path, "/web/img/Logo.GIF");
    EXPECT_EQ(file.folder, "/web/img/");
    EXPECT_EQ(file.folderBare, "/web/img");
}

TEST(BrowseForFile, CancelGivesNoName) {
    TestApp app;
    app.dialogs.fileAnswers = {std::nullopt};
    BrowsedFile file = BrowseForFile(app.ctx, kVideoFilter, 2, "/web/");
    EXPECT_FALSE(file.chosen());
    EXPECT_EQ(file.name, "");
    EXPECT_EQ(file.path, "");
    EXPECT_EQ(file.folder, "");
}

TEST(BrowseForFile, TheRootFolder) {
    TestApp app;
    app.dialogs.fileAnswers = {std::string("/a.gif")};
    BrowsedFile file = BrowseForFile(app.ctx, kImageFilter, 2, "/");
    EXPECT_EQ(file.name, "a.gif");
    EXPECT_EQ(file.folder, "/");
    EXPECT_EQ(file.folderBare, "");
}

TEST(LastImageFolder, IsTheSettingUntilAnImageIsBrowsed) {
    TestApp app;
    app.ctx.settings.ImageDirectory = "/home/u/images/";
    EXPECT_EQ(LastImageFolder(app.ctx), "/home/u/images/");
    SetLastImageFolder(app.ctx, "/web/img/");
    EXPECT_EQ(LastImageFolder(app.ctx), "/web/img/");
    // Later changes of the setting do not move it back.
    app.ctx.settings.ImageDirectory = "/elsewhere/";
    EXPECT_EQ(LastImageFolder(app.ctx), "/web/img/");
}

TEST(RelativeFileReference, PrefixesTheFolderAndKeepsAFindableName) {
    TestApp app;
    NewDocument(app.ctx);
    app.active()->setCaption("/WEB/index.htm");
    BrowsedFile file{"Logo.GIF", "/WEB/IMG/Logo.GIF", "/WEB/IMG/", "/WEB/IMG"};
    // This file system tells letter cases apart: logo.gif would name no file.
    EXPECT_EQ(RelativeFileReference(app.ctx, file), "IMG/Logo.GIF");

    app.active()->setCaption("Untitled:1");
    EXPECT_EQ(RelativeFileReference(app.ctx, file), "Logo.GIF");

    BrowsedFile lower{"logo.gif", "/WEB/IMG/logo.gif", "/WEB/IMG/", "/WEB/IMG"};
    app.active()->setCaption("/WEB/index.htm");
    EXPECT_EQ(RelativeFileReference(app.ctx, lower), "IMG/logo.gif");
}

TEST(LinkFileName, LowerCaseWhenTheFileSystemFindsTheSameFileSo) {
    TempFolder folder;
    folder.write("Logo.GIF", "GIF89a");
    BrowsedFile file{"Logo.GIF", folder.path("Logo.GIF"), folder.folder(), folder.folderWithoutSlash()};
    EXPECT_EQ(LinkFileName(file), "Logo.GIF");

    // The lower-case name reaching the same file, as on a file system without
    // letter case.
    ASSERT_EQ(::link(folder.path("Logo.GIF").c_str(), folder.path("logo.gif").c_str()), 0);
    EXPECT_EQ(LinkFileName(file), "logo.gif");

    // A different file under the lower-case name keeps the chosen one's name.
    folder.write("Photo.JPG", "a");
    folder.write("photo.jpg", "b");
    BrowsedFile photo{"Photo.JPG", folder.path("Photo.JPG"), folder.folder(), folder.folderWithoutSlash()};
    EXPECT_EQ(LinkFileName(photo), "Photo.JPG");
}

TEST(BrowseFromImageFolder, StartsInTheLastImageFolderAndMayRememberTheNewOne) {
    TestApp app;
    NewDocument(app.ctx);
    app.active()->setCaption("/web/index.htm");
    app.ctx.settings.ImageDirectory = "/web/pics/";
    app.dialogs.fileAnswers = {std::string("/web/img/a.gif"), std::string("/web/video/b.avi"), std::nullopt};

    EXPECT_EQ(BrowseFromImageFolder(app.ctx, kImageFilter, 2, true), std::optional<std::string>("img/a.gif"));
    EXPECT_EQ(app.dialogs.fileRequests[0].startFolder, std::optional<std::string>("/web/pics/"));
    EXPECT_EQ(LastImageFolder(app.ctx), "/web/img/");

    EXPECT_EQ(BrowseFromImageFolder(app.ctx, kVideoFilter, 2, false), std::optional<std::string>("video/b.avi"));
    EXPECT_EQ(app.dialogs.fileRequests[1].startFolder, std::optional<std::string>("/web/img/"));
    EXPECT_EQ(LastImageFolder(app.ctx), "/web/img/");

    EXPECT_EQ(BrowseFromImageFolder(app.ctx, kImageFilter, 2, true), std::nullopt);
    EXPECT_EQ(LastImageFolder(app.ctx), "/web/img/");
}

}  // namespace
}  // namespace quillane
