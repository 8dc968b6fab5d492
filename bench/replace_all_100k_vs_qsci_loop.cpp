// Replace All of a one-character text found 100,000 times in a 5 MB page,
// against QScintilla's own loop (find, replace, until nothing is found) on
// the same text in the same kind of control. Both must leave the same text.
// Prints "replace_all_100k_vs_qsci_loop: <ratio>" (Replace All time / loop
// time; below 1 is faster).
//
// QScintilla tells its accessibility layer of every insertion and deletion
// with a character count from the start of the text, so a loop of edits
// through a 5 MB page grows quadratically (hours here). The loop therefore
// runs with Scintilla's modification notices switched off, its fastest form;
// Replace All runs on the editor as the program uses it.
#include <QApplication>
#include <cstdio>
#include <string>

#include "editor/find_replace.h"
#include "bench_support.h"

using namespace quillane;

namespace {

constexpr std::size_t kPageBytes = 5u * 1024 * 1024;
constexpr std::size_t kMatches = 100000;

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    const std::string page = bench::MakeMarkedPage(kPageBytes, kMatches, "~");
    const std::string find = "~";
    const std::string with = "<BR>";

    bench::BenchApp app;
    app.editor().setText(page);
    app.editor().setSelStart(0);
    app.ctx.search.newSearch = true;
    const double ours = bench::Seconds([&] { ReplaceDialogReplaceAll(app.ctx, find, with); });

    bench::BenchApp plain;
    QsciScintilla& loop = plain.editor();
    plain.editor().setText(page);
    loop.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
    int loopCount = 0;
    const double baseline = bench::Seconds([&] {
        bool found = loop.findFirst(QString::fromStdString(find), false, true, false, false, true, 0, 0);
        while (found) {
            loop.replace(QString::fromStdString(with));
            ++loopCount;
            found = loop.findNext();
        }
    });

    const std::string expected = ReplaceAllCompletionMessage(kMatches);
    if (app.editor().text() != plain.editor().text() || loopCount != int(kMatches) ||
        app.messages.texts != std::vector<std::string>{expected}) {
        std::fprintf(stderr, "the texts differ after Replace All (%d replacements by the loop)\n", loopCount);
        return 1;
    }
    std::fprintf(stderr, "%zu bytes, %zu matches: Replace All %.1f ms, QScintilla loop %.1f ms\n", page.size(), kMatches,
                 ours * 1e3, baseline * 1e3);
    std::printf("replace_all_100k_vs_qsci_loop: %.3f\n", ours / baseline);
    return 0;
}
