#include "editor/external_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/file_commands.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::ReadAll;
using testing::TempFolder;
using testing::TestApp;

const char* const kProgramFilter = "All Files (*.*)|*.*|EXE Files (*.exe)|*.exe|BAT Files (*.bat)|*.bat";
// A page name no shell could pass on unharmed.
const char* const kAwkwardName = "a;b's \"x\" $HOME.htm";

struct ProgramsFixture {
    ProgramsFixture() { RegisterExternalProgramCommands(table); }

    void run(const std::string& command) { ASSERT_TRUE(table.run(command, app.ctx, app.active())) << command; }

    // A document saved as `path` (under the temp folder), unmodified.
    FakeDocumentView& savedDocument(const std::string& path, const std::string& text) {
        FakeDocumentView& view = static_cast<FakeDocumentView&>(NewDocument(app.ctx));
        view.editor().setText(text);
        EXPECT_TRUE(SaveDocument(app.ctx, view, path));
        return view;
    }

    void configure(const std::string& key, const std::string& program) { app.store.put("Apps", key, program); }

    std::vector<std::string> arguments(std::size_t i = 0) const { return app.launcher.launches.at(i).arguments; }

    TestApp app;
    TempFolder temp;
    CommandTable table;
};

TEST(ViewInBrowser, PassesASavedPageAsOneArgument) {
    struct Row {
        const char* command;
        const char* key;
    };
    for (const Row& r : {Row{"mnuLinkBrowser1", "Browser"}, Row{"BrowseLink", "Browser2"}}) {
        SCOPED_TRACE(r.command);
        ProgramsFixture f;
        f.configure(r.key, "/opt/web browser/run it");
        const std::string page = f.temp.path("my site/") + kAwkwardName;
        std::filesystem::create_directory(f.temp.path("my site"));
        f.savedDocument(page, "<P>x</P>");
        f.run(r.command);
        ASSERT_EQ(f.app.launcher.launches.size(), 1u);
        EXPECT_EQ(f.app.launcher.launches[0].program, "/opt/web browser/run it");
        EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
        EXPECT_TRUE(f.app.messages.shown.empty());
        // No copy for an unmodified page.
        EXPECT_FALSE(std::filesystem::exists(f.temp.path("my site/qlnvtemp.htm")));
    }
}

// The conversions and conversations of other systems' browsers do not apply:
// every browser gets the local path unchanged.
TEST(ViewInBrowser, EveryBrowserGetsThePathUnchanged) {
    for (const char* browser : {"/wine/IEXPLORE.EXE", "/wine/netscape.exe", "firefox"}) {
        SCOPED_TRACE(browser);
        ProgramsFixture f;
        f.configure("Browser", browser);
        const std::string page = f.temp.path("with space.htm");
        f.savedDocument(page, "x");
        f.run("mnuLinkBrowser1");
        ASSERT_EQ(f.app.launcher.launches.size(), 1u);
        EXPECT_EQ(f.app.launcher.launches[0].program, browser);
        EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
    }
}

TEST(ViewInBrowser, AModifiedPageIsShownThroughItsFoldersCopy) {
    ProgramsFixture f;
    f.configure("Browser", "/usr/bin/browser");
    const std::string page = f.temp.path("page.htm");
    FakeDocumentView& view = f.savedDocument(page, "<P>one</P>");
    f.temp.write("qlnvtemp.htm", std::string(300, 'o'));
    view.editor().setSelStart(view.editor().length());
    view.editor().setSelText("caf\xC3\xA9");
    f.app.ctx.documentSlots[view.slot()].encoding = TextEncoding::Windows1252;
    ASSERT_TRUE(f.app.ctx.documentSlots[view.slot()].modified);

    f.run("mnuLinkBrowser1");

    const std::string copy = f.temp.path("qlnvtemp.htm");
    ASSERT_EQ(f.app.launcher.launches.size(), 1u);
    EXPECT_EQ(f.arguments(), std::vector<std::string>{copy});
    EXPECT_EQ(ReadAll(copy), "<P>one</P>caf\xE9\r\n");
    // The document itself is untouched and still modified.
    EXPECT_EQ(ReadAll(page), "<P>one</P>\r\n");
    EXPECT_TRUE(f.app.ctx.documentSlots[view.slot()].modified);
    EXPECT_EQ(view.caption(), page);
    EXPECT_EQ(f.temp.names(), (std::set<std::string>{"page.htm", "qlnvtemp.htm"}));
}

TEST(ViewInBrowser, ACopyThatCannotBeWrittenIsReported) {
    ProgramsFixture f;
    f.configure("Browser", "/usr/bin/browser");
    FakeDocumentView& view = f.savedDocument(f.temp.path("page.htm"), "x");
    view.editor().setSelText("y");
    // The caption names a folder that has gone.
    view.setCaption(f.temp.path("gone/page.htm"));
    f.run("mnuLinkBrowser1");
    EXPECT_TRUE(f.app.launcher.launches.empty());
    ASSERT_EQ(f.app.messages.shown.size(), 1u);
    EXPECT_NE(f.app.messages.shown[0].text.find(f.temp.path("gone/qlnvtemp.htm")), std::string::npos);
}

TEST(ViewInBrowser, AnUntitledPageIsSavedFirst) {
    ProgramsFixture f;
    f.configure("Browser", "/usr/bin/browser");
    NewDocument(f.app.ctx).editor().setText("<P>new</P>");
    const std::string page = f.temp.path("new page.htm");
    f.app.dialogs.fileAnswers = {page};

    f.run("mnuLinkBrowser1");

    ASSERT_GE(f.app.messages.shown.size(), 1u);
    EXPECT_EQ(f.app.messages.texts()[0], "Save the document in order to view it using a browser.");
    ASSERT_EQ(f.app.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.app.dialogs.fileRequests[0].title, "Save As");
    EXPECT_EQ(ReadAll(page), "<P>new</P>\r\n");
    EXPECT_EQ(f.app.active()->caption(), page);
    ASSERT_EQ(f.app.launcher.launches.size(), 1u);
    EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
}

TEST(ViewInBrowser, CancelledSaveShowsNothing) {
    ProgramsFixture f;
    f.configure("Browser", "/usr/bin/browser");
    DocumentView& view = NewDocument(f.app.ctx);
    view.editor().setText("x");
    const std::string caption = view.caption();
    f.app.dialogs.fileAnswers = {std::nullopt};
    const int focusBefore = f.app.editor().focusCount;
    f.run("BrowseLink");
    EXPECT_TRUE(f.app.launcher.launches.empty());
    EXPECT_GT(f.app.editor().focusCount, focusBefore);
    EXPECT_EQ(view.caption(), caption);
    EXPECT_TRUE(f.temp.names().empty());
}

TEST(ViewInBrowser, NeedsADocumentWithText) {
    for (bool withWindow : {false, true}) {
        ProgramsFixture f;
        f.configure("Browser", "/usr/bin/browser");
        if (withWindow) NewDocument(f.app.ctx);
        f.run("mnuLinkBrowser1");
        EXPECT_EQ(f.app.messages.texts(), std::vector<std::string>{"Open a document in order to link to browser."});
        EXPECT_TRUE(f.app.launcher.launches.empty());
        EXPECT_TRUE(f.app.dialogs.fileRequests.empty());
    }
}

const char* const kBrowserMissing =
    "Browser statement not found in Windows Registry.\nSelect the file/path of the browser you wish to use.";

TEST(OpenInBrowser, WithoutABrowserOffersTheDefaultBrowserFirst) {
    for (const char* unset : {"c:\\", "C:\\", ""}) {
        SCOPED_TRACE(unset);
        ProgramsFixture f;
        f.configure("Browser2", unset);
        const std::string page = f.temp.path("page.htm");
        f.savedDocument(page, "x");
        f.app.messages.answers = {MessageAnswer::Ok, MessageAnswer::Yes};

        f.run("BrowseLink");

        ASSERT_EQ(f.app.messages.shown.size(), 2u);
        EXPECT_EQ(f.app.messages.shown[0].text, kBrowserMissing);
        EXPECT_EQ(f.app.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(f.app.messages.shown[1].buttons, MessageButtons::YesNoCancel);
        EXPECT_NE(f.app.messages.shown[1].text.find("xdg-open"), std::string::npos);
        EXPECT_TRUE(f.app.dialogs.fileRequests.empty());
        ASSERT_EQ(f.app.launcher.launches.size(), 1u);
        EXPECT_EQ(f.app.launcher.launches[0].program, "xdg-open");
        EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
        // Remembered: the next view asks nothing.
        EXPECT_EQ(f.app.store.get("Apps", "Browser2", ""), "xdg-open");
        EXPECT_EQ(f.app.ctx.settings.Browser2, "xdg-open");
        EXPECT_FALSE(f.app.store.has("Apps", "Browser"));
        f.run("BrowseLink");
        EXPECT_EQ(f.app.messages.shown.size(), 2u);
        EXPECT_EQ(f.app.launcher.launches.size(), 2u);
    }
}

TEST(OpenInBrowser, NoChoosesTheBrowserProgram) {
    ProgramsFixture f;
    const std::string page = f.temp.path("page.htm");
    f.savedDocument(page, "x");
    f.app.messages.answers = {MessageAnswer::Ok, MessageAnswer::No};
    f.app.dialogs.fileAnswers = {"/opt/My Browser/browse"};

    f.run("mnuLinkBrowser1");

    ASSERT_EQ(f.app.dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = f.app.dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "Select Browser...");
    EXPECT_EQ(request.filter, kProgramFilter);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(f.app.store.get("Apps", "Browser", ""), "/opt/My Browser/browse");
    EXPECT_EQ(f.app.ctx.settings.Browser, "/opt/My Browser/browse");
    ASSERT_EQ(f.app.launcher.launches.size(), 1u);
    EXPECT_EQ(f.app.launcher.launches[0].program, "/opt/My Browser/browse");
    EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
}

TEST(OpenInBrowser, CancelStoresAndStartsNothing) {
    struct Row {
        const char* name;
        MessageAnswer question;
        bool fileDialog;
    };
    for (const Row& r : {Row{"question cancelled", MessageAnswer::Cancel, false},
                         Row{"file dialog cancelled", MessageAnswer::No, true}}) {
        SCOPED_TRACE(r.name);
        ProgramsFixture f;
        f.savedDocument(f.temp.path("page.htm"), "x");
        f.app.messages.answers = {MessageAnswer::Ok, r.question};
        f.app.dialogs.fileAnswers = {std::nullopt};
        const int focusBefore = f.app.editor().focusCount;
        f.run("mnuLinkBrowser1");
        EXPECT_EQ(f.app.dialogs.fileRequests.size(), r.fileDialog ? 1u : 0u);
        EXPECT_TRUE(f.app.launcher.launches.empty());
        EXPECT_FALSE(f.app.store.has("Apps", "Browser"));
        EXPECT_GT(f.app.editor().focusCount, focusBefore);
    }
}

TEST(OpenInBrowser, CanBeAskedForAnyFile) {
    ProgramsFixture f;
    f.configure("Browser2", "/usr/bin/browser");
    OpenInBrowser(f.app.ctx, "/tmp/qlnvtabl.htm", kBrowser2Key);
    // A relative name is never taken for an option.
    OpenInBrowser(f.app.ctx, "-new-window.htm", kBrowser2Key);
    ASSERT_EQ(f.app.launcher.launches.size(), 2u);
    EXPECT_EQ(f.arguments(0), std::vector<std::string>{"/tmp/qlnvtabl.htm"});
    EXPECT_EQ(f.arguments(1), std::vector<std::string>{"./-new-window.htm"});
    EXPECT_TRUE(f.app.ctx.activeDocument() == nullptr);
}

TEST(ExternalPrograms, AProgramThatCannotStartIsNamed) {
    struct Row {
        std::string error;
        std::string expected;
    };
    const Row rows[] = {
        {"The program \"/opt/gone/ftp\" was not found.", "The program \"/opt/gone/ftp\" was not found."},
        {"Permission denied", "The program \"/opt/gone/ftp\" could not be started.\nPermission denied"},
        {"", "The program \"/opt/gone/ftp\" could not be started."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.error);
        ProgramsFixture f;
        f.configure("FTPClient", "/opt/gone/ftp");
        f.app.launcher.result = {false, r.error};
        f.run("mnuFTP");
        ASSERT_EQ(f.app.messages.shown.size(), 1u);
        EXPECT_EQ(f.app.messages.shown[0].text, r.expected);
        EXPECT_EQ(f.app.messages.shown[0].icon, MessageIcon::Exclamation);
    }
}

TEST(ExternalPrograms, ABrowserThatCannotStartIsNamed) {
    ProgramsFixture f;
    f.configure("Browser", "/opt/gone/browser");
    f.savedDocument(f.temp.path("page.htm"), "x");
    f.app.launcher.result = {false, "The program \"/opt/gone/browser\" was not found."};
    f.run("mnuLinkBrowser1");
    EXPECT_EQ(f.app.messages.texts(), std::vector<std::string>{"The program \"/opt/gone/browser\" was not found."});
}

struct KindRow {
    const char* command;
    const char* key;
    const char* message;
    const char* title;
};

const KindRow kKinds[] = {
    {"mnuFTP", "FTPClient",
     "FTP Client statement not found in Windows Registry.\nSelect the file/path of the FTP Client you wish to use.",
     "Select FTP Client..."},
    {"mnuimagemap", "ImageMapper",
     "Image Mapper statement not found in Windows Registry.\nSelect the file/path of the Image Mapper you wish to use.",
     "Select Image Mapper..."},
    {"FilePrint", "PrinterProgram",
     "Program used to print not found in Windows Registry.\nSelect the file/path of the Printing program you wish to "
     "use.",
     "Select Program used to Print..."},
};

TEST(StartExternalProgram, NotConfiguredAsksForTheProgramAndStoresIt) {
    for (const KindRow& k : kKinds) {
        for (const char* unset : {"c:\\", "C:\\", ""}) {
            SCOPED_TRACE(std::string(k.command) + " [" + unset + "]");
            ProgramsFixture f;
            f.configure(k.key, unset);
            f.app.dialogs.fileAnswers = {"/usr/local/bin/the tool"};
            f.run(k.command);
            EXPECT_EQ(f.app.messages.texts(), std::vector<std::string>{k.message});
            ASSERT_EQ(f.app.dialogs.fileRequests.size(), 1u);
            EXPECT_EQ(f.app.dialogs.fileRequests[0].title, k.title);
            EXPECT_EQ(f.app.dialogs.fileRequests[0].filter, kProgramFilter);
            EXPECT_EQ(f.app.store.get("Apps", k.key, ""), "/usr/local/bin/the tool");
            ASSERT_EQ(f.app.launcher.launches.size(), 1u);
            EXPECT_EQ(f.app.launcher.launches[0].program, "/usr/local/bin/the tool");
        }
    }
    TestApp app;
    EXPECT_EQ(app.ctx.settings.FTPClient, "c:\\");
}

TEST(StartExternalProgram, CancelledSelectionStartsNothing) {
    for (const KindRow& k : kKinds) {
        SCOPED_TRACE(k.command);
        ProgramsFixture f;
        NewDocument(f.app.ctx);
        f.app.dialogs.fileAnswers = {std::nullopt};
        const int focusBefore = f.app.editor().focusCount;
        f.run(k.command);
        EXPECT_TRUE(f.app.launcher.launches.empty());
        EXPECT_FALSE(f.app.store.has("Apps", k.key));
        EXPECT_GT(f.app.editor().focusCount, focusBefore);
    }
}

TEST(StartExternalProgram, FtpAndGraphicsStartAlone) {
    for (const char* command : {"mnuFTP", "mnuimagemap"}) {
        SCOPED_TRACE(command);
        ProgramsFixture f;
        f.configure("FTPClient", "/usr/bin/ftp client");
        f.configure("ImageMapper", "/usr/bin/paint");
        f.savedDocument(f.temp.path("page.htm"), "x");
        f.run(command);
        ASSERT_EQ(f.app.launcher.launches.size(), 1u);
        EXPECT_EQ(f.app.launcher.launches[0].program,
                  std::string(command) == "mnuFTP" ? "/usr/bin/ftp client" : "/usr/bin/paint");
        EXPECT_TRUE(f.arguments().empty());
    }
}

TEST(StartExternalProgram, PrintPassesTheCaptionAsOneArgument) {
    ProgramsFixture f;
    f.configure("PrinterProgram", "/usr/bin/print");
    const std::string page = f.temp.path(kAwkwardName);
    FakeDocumentView& view = f.savedDocument(page, "x");
    // Unsaved changes are not written first: the file as last saved.
    view.editor().setSelText("more");
    f.run("FilePrint");
    ASSERT_EQ(f.app.launcher.launches.size(), 1u);
    EXPECT_EQ(f.app.launcher.launches[0].program, "/usr/bin/print");
    EXPECT_EQ(f.arguments(), std::vector<std::string>{page});
    EXPECT_EQ(ReadAll(page), "x\r\n");

    // A new document passes its caption.
    const std::string untitled = NewDocument(f.app.ctx).caption();
    ASSERT_TRUE(untitled.starts_with("Untitled:"));
    f.run("FilePrint");
    ASSERT_EQ(f.app.launcher.launches.size(), 2u);
    EXPECT_EQ(f.arguments(1), std::vector<std::string>{untitled});
}

}  // namespace
}  // namespace quillane
