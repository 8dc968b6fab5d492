#include "app/command_table.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TestApp;

// A command that fails however it fails leaves the program running: the
// failure is shown, the pointer is normal again, every window stays.
TEST(CommandTable, FailingCommandIsReportedAndTheProgramGoesOn) {
    struct Case {
        const char* name;
        CommandHandler handler;
        const char* reason;
    };
    const Case cases[] = {
        {"out of memory", [](AppContext&, DocumentView*) { throw std::bad_alloc(); }, "Cannot allocate memory"},
        {"a library's error", [](AppContext&, DocumentView*) { throw std::length_error("basic_string::_M_create"); },
         "basic_string::_M_create"},
        {"anything else", [](AppContext&, DocumentView*) { throw 42; }, "Unknown error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp app;
        NewDocument(app.ctx);
        CommandTable table;
        table.add("FileOpen", [&c](AppContext& ctx, DocumentView* target) {
            ctx.shell().setBusy(true);
            c.handler(ctx, target);
        });
        EXPECT_TRUE(table.run("FileOpen", app.ctx, nullptr));
        ASSERT_EQ(app.messages.shown.size(), 1u);
        EXPECT_EQ(app.messages.shown[0].title, "Quillane");
        EXPECT_EQ(app.messages.shown[0].text, std::string("The command could not be completed.\n\n") + c.reason);
        EXPECT_EQ(app.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(app.shell.busy);
        EXPECT_EQ(app.shell.documentWindows().size(), 1u);
    }
}

TEST(CommandTable, CommandThatSucceedsShowsNothing) {
    TestApp app;
    CommandTable table;
    int runs = 0;
    table.add("FileSave", [&runs](AppContext&, DocumentView*) { ++runs; });
    EXPECT_TRUE(table.run("FileSave", app.ctx, nullptr));
    EXPECT_FALSE(table.run("NoSuchCommand", app.ctx, nullptr));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_TRUE(RunGuarded(app.ctx, [] {}));
    EXPECT_FALSE(RunGuarded(app.ctx, [] { throw std::bad_alloc(); }));
}

}  // namespace
}  // namespace quillane
