// Opening a generated 10 MB page into the editor control and saving it,
// against plainly reading, writing and syncing the same bytes.
//
// The editor side runs the steps Open and Save run on the text: the file's
// bytes are read, decoded and loaded into a new editor, and the editor's text
// is written back with its final CR LF, atomically. Windows, captions and
// messages are left out. The two sides alternate, each is timed several times
// and the best run of each counts, so that other work on the machine weighs
// little.
//
// Prints "open_save_10mb: <ratio>" on stdout; the timings go to stderr.
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
#include <string_view>
#include <utility>

#include "bench_support.h"
#include "editor/document_file.h"
#include "editor/file_bytes.h"
#include "platform/qt/qsci_editor_control.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;
constexpr std::size_t kTargetSize = 10 * 1024 * 1024;
constexpr char kCrLf[] = "\r\n";

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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0) return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// Writes the pieces one after the other and syncs the file.
bool WriteWhole(const std::string& path, std::string_view first, std::string_view second = {}) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, first) && WriteAll(fd, second) && ::fsync(fd) == 0;
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

double Millis(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "open_save_10mb: %s\n", what);
    std::exit(1);
}

struct Best {
    double read = 1e9, load = 1e9, save = 1e9, total = 1e9;
};

void OpenAndSave(const std::string& source, const std::string& saved, Best& best) {
    auto editor = std::make_unique<quillane::QsciEditorControl>();
    const Clock::time_point start = Clock::now();
    quillane::FileReadResult read = quillane::ReadFileBytes(source);
    if (!read.ok()) Fail("cannot read the page");
    const Clock::time_point readDone = Clock::now();
    quillane::TextEncoding encoding = quillane::LoadDocumentFile(*editor, std::move(read.bytes), false);
    const Clock::time_point loadDone = Clock::now();
    if (!quillane::WriteDocumentFile(saved, editor->textView(), encoding).ok()) Fail("cannot save the page");
    const Clock::time_point end = Clock::now();
    best.read = std::min(best.read, Millis(start, readDone));
    best.load = std::min(best.load, Millis(readDone, loadDone));
    best.save = std::min(best.save, Millis(loadDone, end));
    best.total = std::min(best.total, Millis(start, end));
}

double PlainReadWrite(const std::string& source, const std::string& plain) {
    const Clock::time_point start = Clock::now();
    std::string bytes;
    if (!ReadWhole(source, bytes)) Fail("cannot read the page plainly");
    if (!WriteWhole(plain, bytes, kCrLf)) Fail("cannot write the page plainly");
    return Millis(start, Clock::now());
}

}  // namespace

int main(int argc, char** argv) {
    quillane::bench::UseOffscreenByDefault();
    QApplication app(argc, argv);

    char pattern[] = "/tmp/quillane_bench_XXXXXX";
    if (!::mkdtemp(pattern)) Fail("no temporary folder");
    const std::string folder = pattern;
    const std::string source = folder + "/page.htm";
    const std::string saved = folder + "/saved.htm";
    const std::string plain = folder + "/plain.htm";

    const std::string page = MakePage();
    if (!WriteWhole(source, page)) Fail("cannot write the page");

    Best editor;
    double bestPlain = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        // Alternating which side goes first evens out what one run leaves
        // behind for the next (page cache, freed memory).
        if (run % 2 == 0) {
            OpenAndSave(source, saved, editor);
            bestPlain = std::min(bestPlain, PlainReadWrite(source, plain));
        } else {
            bestPlain = std::min(bestPlain, PlainReadWrite(source, plain));
            OpenAndSave(source, saved, editor);
        }
    }

    std::string written;
    if (!ReadWhole(saved, written) || written != page + kCrLf) Fail("the saved page differs");
    std::filesystem::remove_all(folder);
    std::fprintf(stderr,
                 "page %zu bytes, best of %d: editor open+save %.1f ms (best steps: read %.1f, decode+load %.1f, "
                 "save %.1f), plain read+write+fsync %.1f ms\n",
                 page.size(), kRuns, editor.total, editor.read, editor.load, editor.save, bestPlain);
    std::printf("open_save_10mb: %.2f\n", editor.total / bestPlain);
    return 0;
}
