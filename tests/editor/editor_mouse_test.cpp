#include "editor/editor_mouse.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace quillane {
namespace {

TEST(EditorMouse, ShowsTheHelpLineAndTheTime) {
    testing::TestApp app;
    app.shell.status[StatusPanel::Help] = "Please wait";
    const std::pair<DateTime, const char*> rows[] = {
        {{1997, 3, 7, 14, 5, 9}, "2:05 PM"}, {{1997, 3, 7, 0, 0, 0}, "12:00 AM"}, {{1997, 3, 7, 9, 30, 0}, "9:30 AM"}};
    for (const auto& [now, shown] : rows) {
        app.clock.time = now;
        OnEditorMouseMove(app.ctx);
        EXPECT_EQ(app.shell.status[StatusPanel::Help], "Press F1 for Help");
        EXPECT_EQ(app.shell.status[StatusPanel::Time], shown);
    }
}

}  // namespace
}  // namespace quillane
