// Opening a generated 5 MB page in the real main window with the default
// settings (word wrap and tag colouring on) until the first key typed after
// the command reaches the editor, against a bare QScintilla editor that is
// given the same text with wrapping off and then gets the same key: the least
// the editor component needs before it takes a key.
//
// Both sides post the key to the focus widget right after they are given the
// text and run the event loop until the editor has inserted it; whatever the
// loop does first (painting, wrapping, styling) is part of the wait. The sides
// alternate and the best of several runs of each counts.
//
// Prints "open_5mb_first_key: <ratio>" on stdout; the timings go to stderr.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench_support.h"
#include "editor/file_commands.h"
#include "window_app.h"

using namespace quillane;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kPageBytes = 5u * 1024 * 1024;
constexpr int kRuns = 5;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "open_5mb_first_key: %s\n", what);
    std::exit(1);
}

double Millis(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct WindowTimes {
    double open = 0;  // until OpenDocumentFile returned
    double key = 0;   // until the key was in the text
};

WindowTimes OpenInWindow(bench::WindowApp& app, const std::string& path) {
    WindowTimes times;
    if (!bench::Activate(app.window)) Fail("the main window did not become active");
    const Clock::time_point start = Clock::now();
    if (!OpenDocumentFile(app.ctx, path)) Fail("the page did not open");
    const Clock::time_point opened = Clock::now();
    QsciEditorControl& editor = app.window.activeForm()->editorControl();
    if (QApplication::focusWidget() != &editor) {
        // The user would click into the page first.
        std::fprintf(stderr, "open_5mb_first_key: the opened page's editor lacks the keyboard focus\n");
        editor.setFocus();
    }
    if (!bench::PostKeyToFocus('x')) Fail("no widget has the keyboard focus after the open");
    Clock::time_point typed{};
    auto connection = QObject::connect(&editor, &QsciEditorControl::textModified, [&] {
        if (typed == Clock::time_point{}) typed = Clock::now();
    });
    if (!bench::ProcessEventsUntil([&] { return typed != Clock::time_point{}; }))
        Fail("the key never reached the opened page's editor");
    QObject::disconnect(connection);
    if (editor.textView().substr(0, 7) != "x<HTML>") Fail("the key went somewhere else than the start of the page");
    times.open = Millis(start, opened);
    times.key = Millis(start, typed);
    app.closeActive();
    return times;
}

double GiveBareEditor(const std::string& page, QSize size) {
    auto editor = std::make_unique<QsciScintilla>();
    editor->setUtf8(true);
    editor->setWrapMode(QsciScintilla::WrapNone);
    editor->resize(size);
    editor->show();
    if (!bench::Activate(*editor)) Fail("the bare editor did not become active");
    editor->setFocus();
    QCoreApplication::processEvents();
    Clock::time_point typed{};
    QObject::connect(editor.get(), &QsciScintilla::textChanged, [&] {
        if (typed == Clock::time_point{}) typed = Clock::now();
    });
    const Clock::time_point start = Clock::now();
    editor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(page.size()), page.data());
    typed = Clock::time_point{};
    if (!bench::PostKeyToFocus('x')) Fail("the bare editor lost the focus");
    if (!bench::ProcessEventsUntil([&] { return typed != Clock::time_point{}; }))
        Fail("the key never reached the bare editor");
    return Millis(start, typed);
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    bench::BenchFolder folder;
    const std::string path = folder.file("page.htm");
    const std::string page = bench::MakeTablePage(kPageBytes);
    if (folder.path.empty() || !bench::WriteBytes(path, page)) Fail("cannot write the page");

    bench::WindowApp app(folder.path);
    if (!bench::Activate(app.window)) Fail("the main window did not become active");
    if (app.ctx.settings.WordWrap != 1 || app.ctx.settings.ColorTags != 1) Fail("not the default settings");
    // The first window of the start sequence has the size every maximized
    // document window gets.
    const QSize editorSize = app.window.activeForm()->editorControl().size();

    WindowTimes best{1e30, 1e30};
    double bare = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        // Alternating which side goes first evens out what one run leaves
        // behind for the next.
        auto window = [&] {
            WindowTimes t = OpenInWindow(app, path);
            best.open = std::min(best.open, t.open);
            best.key = std::min(best.key, t.key);
        };
        auto floor = [&] { bare = std::min(bare, GiveBareEditor(page, editorSize)); };
        if (run % 2 == 0) {
            window();
            floor();
        } else {
            floor();
            window();
        }
    }
    std::fprintf(stderr,
                 "page %zu bytes, editor %dx%d, best of %d: window open %.1f ms, first key in %.1f ms; bare editor "
                 "(no wrap) first key in %.1f ms\n",
                 page.size(), editorSize.width(), editorSize.height(), kRuns, best.open, best.key, bare);
    std::printf("open_5mb_first_key: %.2f\n", best.key / bare);
    return 0;
}
