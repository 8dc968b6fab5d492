#include "builders/relative_directory.h"

#include <gtest/gtest.h>

#include "editor/document_lifecycle.h"
#include "support/fakes.h"

namespace quillane {
namespace {

TEST(RelativeDirectory, LeadsFromTheDocumentFolderToTheFileFolder) {
    struct Row {
        const char* document;
        const char* fileFolder;
        const char* expected;
    };
    const Row rows[] = {
        // Below, beside, above, elsewhere.
        {"/web/index.htm", "/web/img/", "img/"},
        {"/web/site/index.htm", "/web/sales/img/", "../sales/img/"},
        {"/web/a/b/index.htm", "/web/", "../../"},
        {"/web/index.htm", "/web/", ""},
        {"/web/index.htm", "/web/img/icons/", "img/icons/"},
        {"/web/a/b/index.htm", "/web/a/", "../"},
        {"/web/a/index.htm", "/web/b/c/", "../b/c/"},
        {"/web/index.htm", "/pics/", "../pics/"},
        {"/web/index.htm", "/", "../"},
        {"/index.htm", "/web/", "web/"},
        // Folders sharing the first letters of a name are still different folders.
        {"/web/index.htm", "/webby/img/", "../webby/img/"},
        {"/web/a/index.htm", "/web/ab/", "../ab/"},
        {"/web/ab/index.htm", "/web/a/", "../a/"},
        // Folder names keep their case and are compared with it.
        {"/WEB/index.htm", "/WEB/IMG/", "IMG/"},
        {"/web/index.htm", "/WEB/img/", "../WEB/img/"},
        // The folder without its trailing '/'.
        {"/web/index.htm", "/web/img", "img/"},
        {"/web/index.htm", "/web", ""},
        // No folder for the document (unsaved), or no shared root (different drives before).
        {"Untitled:1", "/web/img/", ""},
        {"/web/index.htm", "pics/", ""},
        {"/web/index.htm", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.document) + " -> " + row.fileFolder);
        EXPECT_EQ(RelativeDirectory(row.document, row.fileFolder), row.expected);
    }
}

TEST(RelativeDirectory, UsesTheActiveDocumentsCaption) {
    testing::TestApp app;
    EXPECT_EQ(RelativeDirectory(app.ctx, "/web/img/"), "");  // no document open

    NewDocument(app.ctx);
    EXPECT_EQ(RelativeDirectory(app.ctx, "/web/img/"), "");  // "Untitled:1"

    app.active()->setCaption("/web/site/page.htm");
    EXPECT_EQ(RelativeDirectory(app.ctx, "/web/sales/img/"), "../sales/img/");
}

}  // namespace
}  // namespace quillane
