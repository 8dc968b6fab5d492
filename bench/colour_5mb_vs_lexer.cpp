// Refresh Tag Colors on a 5 MB page, against Scintilla's own HTML lexer
// styling the same text. Prints "colour_5mb_vs_lexer: <ratio>" (ColorTags
// time / lexer time, best of several runs each; below 1 is faster).
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/app_context.h"
#include "editor/tag_colouring.h"
#include "platform/qt/qsci_editor_control.h"

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

struct QuietShell : Shell {
    explicit QuietShell(DocumentView& view) : view_(view) {}
    DocumentView& createDocumentWindow(int) override { return view_; }
    bool closeDocumentWindow(DocumentView&) override { return false; }
    DocumentView* activeDocument() override { return &view_; }
    std::vector<DocumentView*> documentWindows() override { return {&view_}; }
    void activate(DocumentView&) override {}
    void arrange(WindowArrangement) override {}
    void setStatusText(StatusPanel, const std::string&) override {}
    void setDocumentToolbarEnabled(bool) override {}
    void setBusy(bool) override {}
    void setRecentEntry(int, const std::string&, bool) override {}
    std::string recentEntryCaption(int) const override { return {}; }
    TwipsRect geometry() const override { return {}; }
    void setGeometry(const TwipsRect&) override {}
    int screenWidthTwips() const override { return 15360; }
    int screenHeightTwips() const override { return 11520; }
    std::string programFolder() const override { return "./"; }

private:
    DocumentView& view_;
};

struct CountingMessages : MessageBoxes {
    MessageAnswer show(const MessageRequest&) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

struct NoDialogs : FileDialogs {
    std::optional<FileChoice> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<Rgb> chooseColor(std::optional<Rgb>) override { return std::nullopt; }
};

struct NoStore : SettingsBackend {
    std::string get(const std::string&, const std::string&, const std::string& fallback) const override {
        return fallback;
    }
    void put(const std::string&, const std::string&, const std::string&) override {}
};

struct NoLauncher : ProcessLauncher {
    LaunchResult start(const std::string&, const std::vector<std::string>&) override { return {}; }
};

struct NoClipboard : Clipboard {
    std::string text() const override { return {}; }
    void setText(const std::string&) override {}
};

struct NoHelp : HelpViewer {
    void showContents() override {}
    void showTopic(int) override {}
};

struct EditorView : DocumentView {
    int slot() const override { return 1; }
    std::string caption() const override { return "Untitled:1"; }
    void setCaption(const std::string&) override {}
    EditorControl& editor() override { return control; }
    bool wordWrapChecked() const override { return false; }
    void setWordWrapChecked(bool) override {}
    int innerWidthTwips() const override { return 9000; }
    void setRecentEntry(int, const std::string&, bool) override {}
    void setMenuItemVisible(const std::string&, bool) override {}
    bool menuItemVisible(const std::string&) const override { return true; }
    QsciEditorControl control;
};

// The shortest of several runs; prepare runs untimed before each.
template <typename Prepare, typename Run>
double BestSeconds(Prepare&& prepare, Run&& run) {
    double best = 1e30;
    for (int k = 0; k < kRuns; ++k) {
        prepare();
        auto start = std::chrono::steady_clock::now();
        run();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string page = MakePage();

    EditorView view;
    view.control.resize(800, 600);
    view.control.setText(page);
    QuietShell shell(view);
    CountingMessages messages;
    NoDialogs dialogs;
    NoStore store;
    NoLauncher launcher;
    NoClipboard clipboard;
    SystemClock clock;
    NoHelp help;
    AppContext ctx(Platform{shell, messages, dialogs, store, launcher, clipboard, clock, help});

    QsciScintilla lexed;
    lexed.resize(800, 600);
    QsciLexerHTML lexer;
    lexed.setUtf8(true);
    lexed.setLexer(&lexer);
    lexed.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(page.size()), page.data());

    // The lexer restyles everything once its old styles are cleared
    // (untimed); ColorTags always restyles everything.
    const double colour = BestSeconds([] {}, [&] { ColorTags(ctx, view); });
    const double lexing = BestSeconds([&] { lexed.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE); },
                                      [&] { lexed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L); });

    const long lastStyle = view.control.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, page.size() - 3);
    if (lastStyle != kTagStyle) std::fprintf(stderr, "ColorTags left the last tag in style %ld\n", lastStyle);
    const long styledTo = lexed.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    if (styledTo < long(page.size())) std::fprintf(stderr, "the lexer styled only %ld bytes\n", styledTo);
    if (messages.shown != 0) std::fprintf(stderr, "unexpected missing-quote messages: %d\n", messages.shown);
    std::fprintf(stderr, "%zu bytes: ColorTags %.1f ms, HTML lexer %.1f ms\n", page.size(), colour * 1e3,
                 lexing * 1e3);
    std::printf("colour_5mb_vs_lexer: %.3f\n", colour / lexing);
    return 0;
}
