// Saving a modified 10 MB document through the real main window (File >
// Save on a page opened from a file and typed into), against plainly writing
// the same bytes to a temporary file, syncing it and renaming it over the
// target: the least an atomic save does.
//
// The sides alternate, each is timed several times and the best run of each
// counts. Prints "save_10mb: <ratio>" on stdout; the timings go to stderr.
#include <fcntl.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bench_support.h"
#include "editor/file_commands.h"
#include "window_app.h"

using namespace quillane;

namespace {

constexpr std::size_t kPageBytes = 10u * 1024 * 1024;
constexpr int kRuns = 7;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "save_10mb: %s\n", what);
    std::exit(1);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0) return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// Write, flush to the disk, rename over the target.
void PlainSave(const std::string& target, std::string_view bytes) {
    const std::string temp = target + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) Fail("cannot write plainly");
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), target.c_str()) != 0) Fail("cannot write plainly");
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return bytes;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, n);
    std::fclose(in);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    bench::BenchFolder folder;
    const std::string path = folder.file("page.htm");
    const std::string plain = folder.file("plain.htm");
    const std::string page = bench::MakeTablePage(kPageBytes);
    if (folder.path.empty() || !bench::WriteBytes(path, page)) Fail("cannot write the page");

    bench::WindowApp app(folder.path);
    if (!bench::Activate(app.window)) Fail("the main window did not become active");
    if (!OpenDocumentFile(app.ctx, path)) Fail("the page did not open");
    Form2* form = app.window.activeForm();
    QAction* save = form->menus().action("FileSave");
    if (!save) Fail("no File > Save");

    double window = 1e30, bare = 1e30;
    std::string saved;
    for (int run = 0; run < kRuns; ++run) {
        // A change first, so that there is something to save.
        QsciEditorControl& editor = form->editorControl();
        if (QApplication::focusWidget() != &editor) editor.setFocus();
        if (!bench::PostKeyToFocus(run % 2 == 0 ? 'x' : 'y')) Fail("no widget has the keyboard focus");
        if (!bench::ProcessEventsUntil([&] { return app.ctx.documentSlots[form->slot()].modified; }))
            Fail("the key did not change the document");
        saved = std::string(editor.textView()) + "\r\n";

        auto throughWindow = [&] {
            window = std::min(window, bench::Seconds([&] { save->trigger(); }));
            if (app.ctx.documentSlots[form->slot()].modified) Fail("the document is still modified after Save");
        };
        auto plainly = [&] { bare = std::min(bare, bench::Seconds([&] { PlainSave(plain, saved); })); };
        if (run % 2 == 0) {
            throughWindow();
            plainly();
        } else {
            plainly();
            throughWindow();
        }
    }
    if (ReadAll(path) != saved) Fail("the saved page differs from the document");
    if (!app.messages.texts.empty()) Fail("Save showed a message");
    std::fprintf(stderr, "%zu bytes, best of %d: File > Save %.1f ms, plain write+fsync+rename %.1f ms\n",
                 saved.size(), kRuns, window * 1e3, bare * 1e3);
    std::printf("save_10mb: %.2f\n", window / bare);
    return 0;
}
