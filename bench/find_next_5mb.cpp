// 1,000 Find Next steps through a 5 MB page whose 1,000 matches are spread
// evenly, against one memmem scan of the whole text per step. Prints
// "find_next_5mb: <ratio>" (Find Next time / scanning time; at most 3 means
// a step never costs more than a few plain scans of the whole text).
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/find_replace.h"
#include "bench_support.h"

using namespace quillane;

namespace {

constexpr std::size_t kPageBytes = 5u * 1024 * 1024;
constexpr std::size_t kSteps = 1000;

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    // Searched without regard to case, as the dialogs start.
    const std::string page = bench::MakeMarkedPage(kPageBytes, kSteps, "<Table>");
    const std::string what = "<TABLE>";

    bench::BenchApp app;
    app.editor().setText(page);
    app.editor().setSelStart(0);
    app.ctx.search.findWhat = what;
    app.ctx.search.matchCase = false;
    app.ctx.search.newSearch = true;
    std::size_t lastFound = 0;
    const double ours = bench::Seconds([&] {
        for (std::size_t i = 0; i < kSteps; ++i) {
            FindNextCommand(app.ctx);
            lastFound = app.editor().selStart();
        }
    });

    const std::string needle = "<Table>";
    std::size_t seen = 0;
    const double baseline = bench::Seconds([&] {
        for (std::size_t i = 0; i < kSteps; ++i) {
            const char* at = page.data();
            const char* end = page.data() + page.size();
            while (const void* hit = memmem(at, std::size_t(end - at), needle.data(), needle.size())) {
                ++seen;
                at = static_cast<const char*>(hit) + 1;
            }
        }
    });

    if (lastFound != page.rfind(needle) || !app.messages.texts.empty() || seen != kSteps * kSteps) {
        std::fprintf(stderr, "Find Next did not step through every match (last at %zu)\n", lastFound);
        return 1;
    }
    std::fprintf(stderr, "%zu bytes: %zu Find Next %.1f ms, %zu whole-text scans %.1f ms\n", page.size(), kSteps,
                 ours * 1e3, kSteps, baseline * 1e3);
    std::printf("find_next_5mb: %.3f\n", ours / baseline);
    return 0;
}
