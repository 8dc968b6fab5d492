// Replace All of "td" by "th" without Match Case on a 4 MB page written in
// lower case, against the same Replace All with Match Case. The upper-case
// form of the first byte never occurs, so a search that looked for it to the
// end of the text on every step would make the run quadratic. Both runs must
// leave the same text and message. Prints "replace_all_nocase_4mb: <ratio>"
// (without case / with case; at most 2 means ignoring case costs no more
// than twice the plain search).
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <string>

#include "editor/find_replace.h"
#include "bench_support.h"

using namespace quillane;

namespace {

constexpr std::size_t kPageBytes = 4u * 1024 * 1024;
constexpr int kRounds = 5;

// A lower-case page of paragraphs and table rows.
std::string LowerCasePage() {
    const std::string block =
        "<p>plain text of a paragraph with <b>some</b> markup in it.</p>\r\n"
        "<table border=1>\r\n"
        "<tr><td align=\"left\">cell text</td><td>42</td></tr>\r\n"
        "<tr><td>another cell</td><td>the total</td></tr>\r\n"
        "</table>\r\n";
    std::string page;
    page.reserve(kPageBytes + block.size());
    while (page.size() < kPageBytes) page += block;
    return page;
}

struct Outcome {
    double seconds = 1e30;  // the best round
    std::string text;
    std::vector<std::string> messages;
};

// One timed Replace All on a fresh copy of the page.
void ReplaceAll(bench::BenchApp& app, const std::string& page, bool matchCase, Outcome& out) {
    app.editor().setText(page);
    app.editor().setSelStart(0);
    app.messages.texts.clear();
    app.ctx.search.matchCase = matchCase;
    app.ctx.search.searchDown = true;
    app.ctx.search.newSearch = true;
    out.seconds = std::min(out.seconds, bench::Seconds([&] { ReplaceDialogReplaceAll(app.ctx, "td", "th"); }));
    out.text = app.editor().text();
    out.messages = app.messages.texts;
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    const std::string page = LowerCasePage();

    // The two kinds take turns in one editor, so that neither gains from
    // coming later (memory already mapped, caches warm).
    bench::BenchApp app;
    Outcome withCase, withoutCase;
    for (int round = 0; round < kRounds; ++round) {
        ReplaceAll(app, page, true, withCase);
        ReplaceAll(app, page, false, withoutCase);
    }

    std::size_t matches = 0;
    for (std::size_t p = page.find("td"); p != std::string::npos; p = page.find("td", p + 2)) ++matches;
    const std::vector<std::string> expected{ReplaceAllCompletionMessage(matches)};
    if (withCase.text != withoutCase.text || withCase.messages != expected || withoutCase.messages != expected) {
        std::fprintf(stderr, "Replace All without Match Case gave another text or message\n");
        return 1;
    }
    std::fprintf(stderr, "%zu bytes, %zu matches: without case %.1f ms, with case %.1f ms\n", page.size(), matches,
                 withoutCase.seconds * 1e3, withCase.seconds * 1e3);
    std::printf("replace_all_nocase_4mb: %.3f\n", withoutCase.seconds / withCase.seconds);
    return 0;
}
