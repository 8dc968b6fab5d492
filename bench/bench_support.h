#pragma once
// What the benchmarks share: the application on the offscreen platform, one
// document with the real editor control and a quiet platform around it,
// timing, and generated pages.
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "../tests/support/qsci_view.h"
#include "app/app_context.h"
#include "platform/qt/qsci_editor_control.h"

namespace quillane::bench {

// Benchmarks run on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise; call before creating the QApplication.
inline void UseOffscreenByDefault() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The seconds one call of `run` takes.
template <typename Run>
double Seconds(Run&& run) {
    auto start = std::chrono::steady_clock::now();
    run();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// The shortest of `runs` timed calls of `run`; `prepare` runs untimed before
// each.
template <typename Prepare, typename Run>
double BestSeconds(int runs, Prepare&& prepare, Run&& run) {
    double best = 1e30;
    for (int k = 0; k < runs; ++k) {
        prepare();
        best = std::min(best, Seconds(run));
    }
    return best;
}

struct OneDocumentShell : Shell {
    explicit OneDocumentShell(DocumentView& view) : view_(view) {}
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

// Message boxes answer OK at once and keep their texts.
struct RecordedMessages : MessageBoxes {
    MessageAnswer show(const MessageRequest& request) override {
        texts.push_back(request.text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> texts;
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

struct BenchApp {
    BenchApp() { view.control.resize(800, 600); }
    testing::QsciView view;
    OneDocumentShell shell{view};
    RecordedMessages messages;
    NoDialogs dialogs;
    NoStore store;
    NoLauncher launcher;
    NoClipboard clipboard;
    SystemClock clock;
    NoHelp help;
    AppContext ctx{Platform{shell, messages, dialogs, store, launcher, clipboard, clock, help}};
    QsciEditorControl& editor() { return view.control; }
};

// A fresh folder under /tmp for a benchmark's files, removed with this object.
struct BenchFolder {
    BenchFolder() {
        char pattern[] = "/tmp/quillane_bench_XXXXXX";
        if (::mkdtemp(pattern)) path = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string file(const std::string& name) const { return path + "/" + name; }
    std::string path;
};

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out.flush());
}

// A page of at least `bytes` of ordinary markup: tables of links and images
// with some non-ASCII text, CR LF line ends.
inline std::string MakeTablePage(std::size_t bytes) {
    std::string page = "<HTML>\r\n<HEAD>\r\n<TITLE>Large page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    const std::string row =
        "<TR><TD ALIGN=Left><A HREF=\"page.htm#part\">Caf\xc3\xa9 na\xc3\xafve \xe2\x82\xac 12</A></TD>"
        "<TD><IMG SRC=\"images/dot.gif\" ALT=\"dot\"> plain words of text in a cell</TD></TR>\r\n";
    for (int n = 0; page.size() < bytes; ++n) {
        if (n % 50 == 0) page += "<TABLE BORDER=1>\r\n";
        page += row;
        if (n % 50 == 49) page += "</TABLE>\r\n<P>A paragraph between the tables, <B>bold</B> and <I>italic</I>.</P>\r\n";
    }
    page += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    return page;
}

// `bytes` of ordinary HTML lines (CR LF ends) with `marker` put in
// `markers` times, spread evenly.
inline std::string MakeMarkedPage(std::size_t bytes, std::size_t markers, const std::string& marker) {
    const std::string line = "<P>Plain text of a paragraph with <B>some</B> markup in it.</P>\r\n";
    std::string filler;
    filler.reserve(bytes + line.size());
    while (filler.size() < bytes) filler += line;
    filler.resize(bytes);
    std::string page;
    page.reserve(bytes + markers * marker.size());
    const std::size_t step = bytes / markers;
    for (std::size_t k = 0; k < markers; ++k) {
        page.append(filler, k * step, step / 2);
        page += marker;
        page.append(filler, k * step + step / 2, step - step / 2);
    }
    page.append(filler, markers * step);
    return page;
}

}  // namespace quillane::bench
