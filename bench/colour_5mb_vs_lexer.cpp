// Refresh Tag Colors on a 5 MB page, against Scintilla's own HTML lexer
// styling the same text. Prints "colour_5mb_vs_lexer: <ratio>" (ColorTags
// time / lexer time, best of several runs each; below 1 is faster).
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "bench_support.h"
#include "editor/tag_colouring.h"

using namespace quillane;

namespace {

constexpr std::size_t kPageBytes = 5u * 1024 * 1024;
constexpr int kRuns = 5;

// A page of tables, links, images and comments, with CR LF line ends.
std::string MakePage() {
    std::string page = "<HTML>\r\n<HEAD><TITLE>Benchmark page</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n";
    for (int block = 0; page.size() < kPageBytes; ++block) {
        const std::string n = std::to_string(block);
        page += "<!-- Section " + n + ": a table of links -->\r\n";
        page += "<H2 ALIGN=\"center\">Section " + n + "</H2>\r\n";
        page += "<table border=\"1\" width=\"100%\" cellpadding=2>\r\n";
        for (int row = 0; row < 4; ++row) {
            page += "<TR><TD ALIGN=\"left\" VALIGN=\"top\"><A HREF=\"page" + n + ".htm#r" + std::to_string(row) +
                    "\">Link " + n + "</A></TD><td>plain cell text with a few words in it</td></TR>\r\n";
        }
        page += "</table>\r\n";
        page += "<P CLASS=\"note\">Paragraph text with <B>bold</B> and <I>italic</I> words &amp; an entity.</P>\r\n";
        page += "<IMG SRC=\"images/pic" + n + ".gif\" ALT=\"Picture " + n + "\" WIDTH=100 HEIGHT=80><BR>\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenByDefault();
    QApplication qapp(argc, argv);
    const std::string page = MakePage();

    bench::BenchApp app;
    app.editor().setText(page);

    QsciScintilla lexed;
    lexed.resize(800, 600);
    QsciLexerHTML lexer;
    lexed.setUtf8(true);
    lexed.setLexer(&lexer);
    lexed.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(page.size()), page.data());

    // The lexer restyles everything once its old styles are cleared
    // (untimed); ColorTags always restyles everything.
    const double colour = bench::BestSeconds(kRuns, [] {}, [&] { ColorTags(app.ctx, app.view); });
    const double lexing =
        bench::BestSeconds(kRuns, [&] { lexed.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE); },
                           [&] { lexed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L); });

    const long lastStyle = app.editor().SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, page.size() - 3);
    if (lastStyle != kTagStyle) std::fprintf(stderr, "ColorTags left the last tag in style %ld\n", lastStyle);
    const long styledTo = lexed.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    if (styledTo < long(page.size())) std::fprintf(stderr, "the lexer styled only %ld bytes\n", styledTo);
    if (!app.messages.texts.empty())
        std::fprintf(stderr, "unexpected missing-quote messages: %zu\n", app.messages.texts.size());
    std::fprintf(stderr, "%zu bytes: ColorTags %.1f ms, HTML lexer %.1f ms\n", page.size(), colour * 1e3,
                 lexing * 1e3);
    std::printf("colour_5mb_vs_lexer: %.3f\n", colour / lexing);
    return 0;
}
