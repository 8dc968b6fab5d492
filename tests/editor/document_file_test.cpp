#include "editor/document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/memory_editor.h"
#include "temp_folder.h"

namespace quillane {
namespace {

using namespace std::string_literals;
using testing::MemoryEditor;
using testing::ReadAll;
using testing::TempFolder;

TEST(LoadDocumentFile, FileBecomesTheWholeTextWithNothingToUndo) {
    struct Case {
        const char* name;
        std::string bytes;
        bool unixLineEnds;
        std::string text;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"empty", "", false, "", TextEncoding::Utf8},
        {"CR LF page kept as it is", "<P>caf\xC3\xA9</P>\r\n\0x\n"s, false, "<P>caf\xC3\xA9</P>\r\n\0x\n"s,
         TextEncoding::Utf8},
        {"windows-1252 decoded", "caf\xE9\r\n", false, "caf\xC3\xA9\r\n", TextEncoding::Windows1252},
        {"UNIX line ends become CR LF", "<P>\n\n</P>\n", true, "<P>\r\n\r\n</P>\r\n", TextEncoding::Utf8},
        {"UNIX read takes every LF, even after CR", "a\r\nb", true, "a\r\r\nb", TextEncoding::Utf8},
        {"UNIX windows-1252", "\x93q\x94\n", true, "\xE2\x80\x9Cq\xE2\x80\x9D\r\n", TextEncoding::Windows1252},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryEditor editor;
        editor.setText("old text");
        editor.setSelStart(3);
        int changes = 0;
        editor.onTextChanged = [&] { ++changes; };
        EXPECT_EQ(LoadDocumentFile(editor, std::string(c.bytes), c.unixLineEnds), c.encoding);
        EXPECT_EQ(editor.text(), c.text);
        EXPECT_EQ(editor.selStart(), 0u);
        EXPECT_FALSE(editor.canUndo());
        EXPECT_EQ(changes, 1);
    }
}

TEST(WriteDocumentFile, WritesTheTextAndOneLineEndInTheFilesEncoding) {
    struct Case {
        const char* name;
        std::string text;
        TextEncoding encoding;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", "", TextEncoding::Utf8, "\r\n"},
        {"UTF-8 as it is, stray bytes too", "<P>\xE2\x82\xAC\xFF\0</P>\r\n"s, TextEncoding::Utf8,
         "<P>\xE2\x82\xAC\xFF\0</P>\r\n\r\n"s},
        {"windows-1252", "caf\xC3\xA9 \xE2\x82\xAC", TextEncoding::Windows1252, "caf\xE9 \x80\r\n"},
        {"windows-1252 reference for what it cannot hold", "\xE2\x86\x92", TextEncoding::Windows1252,
         "&#8594;\r\n"},
        {"windows-1252 with a sequence cut short at the end", "a\xE2\x82", TextEncoding::Windows1252,
         "a\xE2\x82\r\n"},
    };
    TempFolder dir;
    const std::string path = dir.path("page.htm");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileWriteResult r = WriteDocumentFile(path, c.text, c.encoding);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(ReadAll(path), c.bytes);
    }

    // A read-only file stays as it was.
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(WriteDocumentFile(path, "lost", TextEncoding::Utf8).status, FileStatus::CannotOpen);
    EXPECT_EQ(ReadAll(path), "a\xE2\x82\r\n");
}

}  // namespace
}  // namespace quillane
