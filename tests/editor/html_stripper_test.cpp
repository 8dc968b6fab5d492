#include "editor/html_stripper.h"

#include <gtest/gtest.h>

#include <string>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using testing::TestApp;

const std::string kRule = "\r\n" + std::string(93, '-') + "\r\n";

TEST(StripHtmlText, Tags) {
    struct Row {
        std::string html;
        std::string text;
    };
    const Row rows[] = {
        {"<H1>Title</H1>\r\nText", "Title\r\n Text\r\n"},
        {"a<BR>b", "a\r\nb\r\n"},
        {"a<br>b", "a\r\nb\r\n"},
        // Only a bare BR breaks the line.
        {"a<br clear=all>b", "ab\r\n"},
        {"<HR>", kRule + "\r\n"},
        {"x<hr width=50%>y", "x" + kRule + "y\r\n"},
        {"<LI>one<li>two<LI VALUE=3>three", "\r\none\r\ntwothree\r\n"},
        {"a</CENTER>b</center>c", "a\r\nb\r\nc\r\n"},
        {"</HEAD></HTML></h6>", "\r\n\r\n\r\n\r\n"},
        {"x<IMG SRC=\"a.gif\">y", "x [IMAGE] y\r\n"},
        {"a<B>b</B><A HREF=\"x>y\">c", "aby\">c\r\n"},
        // A tag without its ">" swallows the rest.
        {"a<B unterminated", "a\r\n"},
        {"a<", "a\r\n"},
        // The search for ">" starts the step after the "<".
        {"</H>text<B>z", "\r\nz\r\n"},
        {"", "\r\n"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StripHtmlText(r.html), r.text) << r.html;
    }
}

TEST(StripHtmlText, LineEndsAndEntities) {
    struct Row {
        std::string html;
        std::string text;
    };
    const Row rows[] = {
        {"a\r\nb", "a b\r\n"},
        // Only CR LF becomes a space; lone CR and LF are kept.
        {"a\rb\nc\n\rd", "a\rb\nc\n\rd\r\n"},
        {"&quot;&nbsp;&lt;&gt;&amp;", "\" <>&\r\n"},
        {"&QUOT;&Amp;", "\"&\r\n"},
        {"&ouml;&Ouml;", "oo\r\n"},
        {"pi&ntilde;a", "pi\xC3\xB1" "a\r\n"},
        {"&AElig;&aelig;", "aeae\r\n"},
        {"&aacute;&Eacute;&ocirc;&uuml;&iuml;&ccedil;&yacute;", "aeouicy\r\n"},
        {"&copy; &euro;", "c e\r\n"},
        {"Q&A", "Qa\r\n"},
        // The rest of a name goes only when it ends in ";".
        {"&amp &e1; &ae x", "amp e1; ae x\r\n"},
        // Unknown entities lose their "&" only.
        {"&#169; &reg; a & b", "#169; reg; a  b\r\n"},
        {"&", "\r\n"},
        {"caf\xC3\xA9 \xFF!", "caf\xC3\xA9 \xFF!\r\n"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StripHtmlText(r.html), r.text) << r.html;
    }
}

TEST(StripHtmlText, CutsLinesAtExactlyEightyCharacters) {
    struct Row {
        const char* name;
        std::string html;
        std::string text;
    };
    const std::string x79(79, 'x');
    std::string e80;
    for (int i = 0; i < 80; ++i) e80 += "\xC3\xA9";
    const Row rows[] = {
        {"200 plain", std::string(200, 'a'),
         std::string(80, 'a') + "\r\n" + std::string(80, 'a') + "\r\n" + std::string(40, 'a') + "\r\n"},
        {"exactly 80 leaves an empty last line", std::string(80, 'a'), std::string(80, 'a') + "\r\n\r\n"},
        {"an entity completes the line", x79 + "&amp;y", x79 + "&\r\ny\r\n"},
        {"a line break carries past 80", x79 + "<BR>" + std::string(100, 'y'),
         x79 + "\r\n" + std::string(100, 'y') + "\r\n"},
        {"a rule carries past 80", x79 + "<HR>z", x79 + kRule + "z\r\n"},
        {"CR LF counts as one space", std::string(79, 'a') + "\r\nb", std::string(79, 'a') + " \r\nb\r\n"},
        {"UTF-8 characters count once", e80 + "z", e80 + "\r\nz\r\n"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StripHtmlText(r.html), r.text) << r.name;
    }
}

TEST(StripHtmlText, GoldenPage) {
    const std::string page = ReadAll(TEST_DATA_DIR "/html_stripper/menu.htm");
    const std::string expected = ReadAll(TEST_DATA_DIR "/html_stripper/menu.txt");
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(StripHtmlText(page), expected);
}

struct StripperFixture {
    StripperFixture() {
        NewDocument(app.ctx);
        app.editor().setText("<P>pi&ntilde;a caf\xC3\xA9</P>");
        RegisterEditingCommands(table);
    }
    void run() { ASSERT_TRUE(table.run("HTMLStrip", app.ctx, app.active())); }
    TestApp app;
    TempFolder temp;
    CommandTable table;
};

TEST(StripHtml, WritesTheFileAndOffersToOpenIt) {
    StripperFixture f;
    const std::string path = f.temp.path("stripped text.txt");
    f.app.dialogs.fileAnswers = {path};
    f.app.messages.answers = {MessageAnswer::Yes};
    f.run();

    ASSERT_EQ(f.app.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = f.app.dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "Save Stripped File As...");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_FALSE(request.startFolder.has_value());
    // Empty, not the name of the dialog's last use.
    EXPECT_EQ(request.initialName, "");

    EXPECT_EQ(ReadAll(path), "pi\xC3\xB1" "a caf\xC3\xA9\r\n");
    EXPECT_EQ(f.temp.names(), std::set<std::string>{"stripped text.txt"});

    ASSERT_EQ(f.app.messages.shown.size(), 1u);
    const MessageRequest& offer = f.app.messages.shown[0];
    EXPECT_EQ(offer.title, "HTML Stripper");
    EXPECT_EQ(offer.text,
              "Current Active Document has been stripped of its HTML code.  Would you like to view the stripped file?");
    EXPECT_EQ(offer.buttons, MessageButtons::YesNo);
    // Yes: the stripped file is open in its own window.
    ASSERT_EQ(f.app.active()->caption(), path);
    EXPECT_EQ(f.app.editor().text(), "pi\xC3\xB1" "a caf\xC3\xA9\r\n");
}

TEST(StripHtml, NoLeavesTheDocumentActive) {
    StripperFixture f;
    DocumentView* document = f.app.active();
    f.app.dialogs.fileAnswers = {f.temp.path("out.txt")};
    f.app.messages.answers = {MessageAnswer::No};
    f.run();
    EXPECT_EQ(f.app.active(), document);
    EXPECT_EQ(f.app.shell.documentWindows().size(), 1u);
}

TEST(StripHtml, WritesInTheDocumentsEncoding) {
    StripperFixture f;
    f.app.ctx.documentSlots[f.app.active()->slot()].encoding = TextEncoding::Windows1252;
    const std::string path = f.temp.path("out.txt");
    f.app.dialogs.fileAnswers = {path};
    f.app.messages.answers = {MessageAnswer::No};
    f.run();
    EXPECT_EQ(ReadAll(path), "pi\xF1" "a caf\xE9\r\n");
}

TEST(StripHtml, ReplacesAnExistingFileWhole) {
    StripperFixture f;
    const std::string path = f.temp.write("out.txt", std::string(500, 'o'));
    f.app.dialogs.fileAnswers = {path};
    f.app.messages.answers = {MessageAnswer::No};
    f.run();
    EXPECT_EQ(ReadAll(path), "pi\xC3\xB1" "a caf\xC3\xA9\r\n");
}

TEST(StripHtml, CancelWritesNothing) {
    StripperFixture f;
    f.app.dialogs.fileAnswers = {std::nullopt};
    const int focusBefore = f.app.editor().focusCount;
    f.run();
    EXPECT_TRUE(f.app.messages.shown.empty());
    EXPECT_GT(f.app.editor().focusCount, focusBefore);
    EXPECT_TRUE(f.temp.names().empty());
}

TEST(StripHtml, AFileThatCannotBeWrittenIsReported) {
    StripperFixture f;
    f.app.dialogs.fileAnswers = {f.temp.path("no such folder/out.txt")};
    const int focusBefore = f.app.editor().focusCount;
    f.run();
    ASSERT_EQ(f.app.messages.shown.size(), 1u);
    EXPECT_EQ(f.app.messages.shown[0].title, "Open Error");
    EXPECT_EQ(f.app.messages.shown[0].text, "Error encountered while trying to open file.");
    EXPECT_EQ(f.app.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_GT(f.app.editor().focusCount, focusBefore);
    EXPECT_EQ(f.temp.names(), std::set<std::string>{});
}

}  // namespace
}  // namespace quillane
