#include "app/settings/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillane {
namespace {

using namespace std::string_literals;

TEST(IniTextTest, GetReadsTheValueOfTheFirstMatchingKey) {
    struct Row {
        std::string file;
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Row rows[] = {
        {"[Apps]\nBrowser=/usr/bin/lynx\n", "Apps", "Browser", "/usr/bin/lynx"},
        {"[Favorite URLs]\nURL1=http://a.example/\n", "Favorite URLs", "URL1", "http://a.example/"},
        {"[Window]\nLeftXCoord= 1200\n", "Window", "LeftXCoord", " 1200"},
        {"[Menu]\nMenuSystem=custom \n", "Menu", "MenuSystem", "custom "},
        {"[Apps]\n  Browser\t = lynx\n", "Apps", "Browser", " lynx"},
        {"[Apps]\nBrowser=\n", "Apps", "Browser", ""},
        {"[Toolbox]\nButtonInsText4=<A HREF=\"x.htm\">\n", "Toolbox", "ButtonInsText4", "<A HREF=\"x.htm\">"},
        {"[Apps]\r\nBrowser=/usr/bin/caf\xE9\r\n", "Apps", "Browser", "/usr/bin/caf\xE9"},
        {"[Apps]\nBrowser=\xFF\xFE\x80\0x\r\rend"s, "Apps", "Browser", "\xFF\xFE\x80\0x\r\rend"s},
        {"[Apps]\nBrowser=lynx", "Apps", "Browser", "lynx"},
        {"\xEF\xBB\xBF[Apps]\nBrowser=lynx\n", "Apps", "Browser", "lynx"},
        {"  [Apps] ; programs\nBrowser=lynx\n", "Apps", "Browser", "lynx"},
        {"[Apps]\nBrowser=one\nBrowser=two\n", "Apps", "Browser", "one"},
        {"[Apps]\n[Font]\n[Apps]\nBrowser=late\n", "Apps", "Browser", "late"},
        // Names are compared exactly.
        {"[apps]\nBrowser=lynx\n", "Apps", "Browser", std::nullopt},
        {"[Apps]\nbrowser=lynx\n", "Apps", "Browser", std::nullopt},
        {"[Favorite%20URLs]\nURL1=x\n", "Favorite URLs", "URL1", std::nullopt},
        // Comments, other sections, lines of no known form.
        {"[Apps]\n;Browser=lynx\n# Browser=w3m\n", "Apps", "Browser", std::nullopt},
        {"Browser=lynx\n[Apps]\n", "Apps", "Browser", std::nullopt},
        {"[Font]\nBrowser=lynx\n[Apps]\n", "Apps", "Browser", std::nullopt},
        {"[Apps\nBrowser=lynx\n", "Apps", "Browser", std::nullopt},
        {"[Apps]\nBrowser lynx\n=lynx\n", "Apps", "Browser", std::nullopt},
        {"", "Apps", "Browser", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(IniText(r.file).get(r.section, r.key), r.value) << r.file;
}

TEST(IniTextTest, SetChangesOnlyTheLineOfTheKey) {
    struct Row {
        std::string before;
        const char* section;
        const char* key;
        std::string value;
        std::string after;
    };
    const Row rows[] = {
        // An existing key keeps what stands before its value and its line end.
        {"; mine\n[Apps]\nBrowser=old\nFTPClient=ftp\n", "Apps", "Browser", "new",
         "; mine\n[Apps]\nBrowser=new\nFTPClient=ftp\n"},
        {"[Apps]\r\n  Browser = old\r\n", "Apps", "Browser", "new", "[Apps]\r\n  Browser =new\r\n"},
        {"[Apps]\nBrowser=old", "Apps", "Browser", "new", "[Apps]\nBrowser=new"},
        {"[Apps]\nBrowser=one\nBrowser=two\n", "Apps", "Browser", "new", "[Apps]\nBrowser=new\nBrowser=two\n"},
        {"\xEF\xBB\xBF[Apps]\nBrowser=x\n", "Apps", "Browser", "y", "\xEF\xBB\xBF[Apps]\nBrowser=y\n"},
        {"[Apps]\nBrowser=x\n", "Apps", "Browser", "/usr/bin/caf\xE9\xFF\0"s, "[Apps]\nBrowser=/usr/bin/caf\xE9\xFF\0\n"s},
        // A new key goes after the last setting of its section, before the
        // blank lines and comments that lead to the next one.
        {"[Apps]\nBrowser=x\n\n; fonts\n[Font]\nFontSize=10\n", "Apps", "FTPClient", "ftp",
         "[Apps]\nBrowser=x\nFTPClient=ftp\n\n; fonts\n[Font]\nFontSize=10\n"},
        {"[Apps]\n[Font]\n", "Apps", "Browser", "x", "[Apps]\nBrowser=x\n[Font]\n"},
        {"[Apps]\nBrowser=x", "Apps", "FTPClient", "ftp", "[Apps]\nBrowser=x\nFTPClient=ftp"},
        {"[Apps]\r\nBrowser=x\r\n", "Apps", "FTPClient", "ftp", "[Apps]\r\nBrowser=x\r\nFTPClient=ftp\r\n"},
        {"[Apps]\nx=1\n[Font]\n[Apps]\ny=2\n", "Apps", "z", "3", "[Apps]\nx=1\nz=3\n[Font]\n[Apps]\ny=2\n"},
        {"[Apps]\nx=1\n[Font]\n[Apps]\ny=2\n", "Apps", "y", "3", "[Apps]\nx=1\n[Font]\n[Apps]\ny=3\n"},
        // A new section goes at the end.
        {"", "Favorite URLs", "URL1", "http://a.example/", "[Favorite URLs]\nURL1=http://a.example/\n"},
        {"[Apps]\nBrowser=x\n", "Window", "LeftXCoord", " 1200", "[Apps]\nBrowser=x\n\n[Window]\nLeftXCoord= 1200\n"},
        {"[Apps]\nBrowser=x\n\n", "Font", "FontSize", "10", "[Apps]\nBrowser=x\n\n[Font]\nFontSize=10\n"},
        {"[Apps]\nBrowser=x", "Font", "FontSize", "10", "[Apps]\nBrowser=x\n\n[Font]\nFontSize=10"},
        {"[Apps]\r\nBrowser=x\r\n", "Font", "FontSize", "10", "[Apps]\r\nBrowser=x\r\n\r\n[Font]\r\nFontSize=10\r\n"},
        {"[apps]\nBrowser=x\n", "Apps", "Browser", "y", "[apps]\nBrowser=x\n\n[Apps]\nBrowser=y\n"},
        // A value is one line.
        {"[Toolbox]\n", "Toolbox", "ButtonInsText4", "<P>\r\nnext\nlast", "[Toolbox]\nButtonInsText4=<P>  next last\n"},
    };
    for (const Row& r : rows) {
        IniText text(r.before);
        text.set(r.section, r.key, r.value);
        EXPECT_EQ(text.bytes(), r.after) << r.before;
    }
}

TEST(IniTextTest, ANewValueReadsBack) {
    const std::string values[] = {"", " 1200", "custom ", "a=b;c,d", "\"quoted\"", "caf\xE9", "\xFF\0\x01"s};
    for (const std::string& value : values) {
        IniText text("[Apps]\nBrowser=x\n");
        text.set("Apps", "Browser", value);
        text.set("Apps", "Browser2", value);
        IniText reread(text.bytes());
        EXPECT_EQ(reread.get("Apps", "Browser"), value);
        EXPECT_EQ(reread.get("Apps", "Browser2"), value);
    }
}

TEST(IniTextTest, AnyBytesComeBackUnchanged) {
    std::string everyByte;
    for (int i = 0; i < 256; ++i) everyByte += static_cast<char>(i);
    const std::string files[] = {
        "", "\n", "\r\n", "no line end", "lone\rCR\r", "[A]\r\nx=1\ny=2\r\n", "\n\n[A]\n\n", "=\n[\n]\n;\n",
        everyByte + everyByte,
    };
    for (const std::string& file : files) EXPECT_EQ(IniText(file).bytes(), file);
}

}  // namespace
}  // namespace quillane
