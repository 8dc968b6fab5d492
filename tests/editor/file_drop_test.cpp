#include "editor/file_drop.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::TestApp;

TEST(DropFileOnEditor, PagesBecomeLinksAndPicturesImages) {
    struct Case {
        const char* before;  // [selection] or | caret
        const char* folder;
        const char* file;
        const char* after;
    } cases[] = {
        {"ab|cd", "/web/", "index.htm", "ab<A HREF=\"index.htm\">|</A>cd"},
        {"ab[Home]cd", "/web/sub/", "page.html", "ab<A HREF=\"sub/page.html\">Home</A>|cd"},
        {"ab[xy]cd", "/web/img/", "Logo.gif", "ab<IMG SRC=\"img/Logo.gif\">|cd"},
        {"ab|cd", "/other/", "photo.jpg", "ab<IMG SRC=\"../other/photo.jpg\">|cd"},
        {"ab[xy]cd", "/web/", "notes.txt", "ab[xy]cd"},
        {"ab|cd", "/web/", "PAGE.HTM", "ab|cd"},  // the name is used as listed: no case folding
    };
    for (const Case& c : cases) {
        TestApp app;
        DocumentView& view = app.shell.createDocumentWindow(1);
        view.setCaption("/web/page.htm");
        testing::SetMarkedText(view.editor(), c.before);
        DropFileOnEditor(view, c.folder, c.file);
        EXPECT_EQ(testing::MarkedText(view.editor()), c.after) << c.file;
        EXPECT_EQ(app.editor().focusCount, 1);
    }
}

}  // namespace
}  // namespace quillane
