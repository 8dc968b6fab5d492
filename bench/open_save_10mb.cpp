// Opening and saving a 10 MB page through the editor, against plainly
// reading, writing and syncing the same bytes.
//
// Prints "open_save_10mb: <ratio>" on stdout (best of several runs each);
// the timings go to stderr. Run with QT_QPA_PLATFORM=offscreen.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "editor/file_bytes.h"
#include "editor/text_encoding.h"
#include "platform/qt/qsci_editor_control.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;
constexpr std::size_t kTargetSize = 10 * 1024 * 1024;

// A long page of ordinary markup with CR LF line ends and some non-ASCII text.
std::string MakePage() {
    std::string page = "<HTML>\r\n<HEAD>\r\n<TITLE>Large page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    const std::string row =
        "<TR><TD ALIGN=Left><A HREF=\"page.htm#part\">Caf\xc3\xa9 na\xc3\xafve \xe2\x82\xac 12</A></TD>"
        "<TD><IMG SRC=\"images/dot.gif\" ALT=\"dot\"> plain words of text in a cell</TD></TR>\r\n";
    int n = 0;
    while (page.size() < kTargetSize) {
        if (n % 50 == 0) page += "<TABLE BORDER=1>\r\n";
        page += row;
        if (n % 50 == 49) page += "</TABLE>\r\n<P>A paragraph between the tables, <B>bold</B> and <I>italic</I>.</P>\r\n";
        ++n;
    }
    page += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    return page;
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += std::size_t(n);
    }
    bool ok = done == bytes.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    bytes.resize(std::filesystem::file_size(path));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += std::size_t(n);
    }
    ::close(fd);
    return done == bytes.size();
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "open_save_10mb: %s\n", what);
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    char pattern[] = "/tmp/quillane_bench_XXXXXX";
    if (!::mkdtemp(pattern)) Fail("no temporary folder");
    const std::string folder = pattern;
    const std::string source = folder + "/page.htm";
    const std::string saved = folder + "/saved.htm";
    const std::string plain = folder + "/plain.htm";

    const std::string page = MakePage();
    if (!WriteWhole(source, page)) Fail("cannot write the page");

    double bestEditor = 1e9;
    double bestPlain = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        {
            auto editor = std::make_unique<quillane::QsciEditorControl>();
            const Clock::time_point start = Clock::now();
            quillane::FileReadResult read = quillane::ReadFileBytes(source);
            if (!read.ok()) Fail("cannot read the page");
            quillane::DecodedText decoded = quillane::DecodeFileBytes(read.bytes);
            editor->setText(decoded.utf8);
            std::string out = quillane::EncodeFileBytes(editor->textView(), decoded.encoding);
            out += "\r\n";
            if (!quillane::WriteFileAtomically(saved, out).ok()) Fail("cannot save the page");
            bestEditor = std::min(bestEditor, Seconds(start));
            if (out != page + "\r\n") Fail("the saved page differs");
        }
        {
            const Clock::time_point start = Clock::now();
            std::string bytes;
            if (!ReadWhole(source, bytes)) Fail("cannot read the page plainly");
            bytes += "\r\n";
            if (!WriteWhole(plain, bytes)) Fail("cannot write the page plainly");
            bestPlain = std::min(bestPlain, Seconds(start));
        }
    }

    std::filesystem::remove_all(folder);
    std::fprintf(stderr, "page %zu bytes; editor open+save %.1f ms, plain read+write+fsync %.1f ms (best of %d)\n",
                 page.size(), bestEditor * 1000, bestPlain * 1000, kRuns);
    std::printf("open_save_10mb: %.2f\n", bestEditor / bestPlain);
    return 0;
}
