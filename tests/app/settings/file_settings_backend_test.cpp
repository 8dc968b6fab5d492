#include "app/settings/file_settings_backend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "app/scoped_environment.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ScratchFolder;

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileSettingsBackendTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    fs::path file = dir.path() / "Quillane" / "Quillane.ini";
    void writeFile(const std::string& bytes) {
        fs::create_directories(file.parent_path());
        WriteBytes(file, bytes);
    }
};

TEST_F(FileSettingsBackendTest, MissingFileGivesTheFallbacksAndTheFirstPutMakesFolderAndFile) {
    FileSettingsBackend store(file.string());
    EXPECT_EQ(store.get("Font", "FontName", "MS Sans Serif"), "MS Sans Serif");
    EXPECT_FALSE(fs::exists(file.parent_path()));
    store.put("Window", "LeftXCoord", " 1200");
    EXPECT_EQ(ReadBytes(file), "[Window]\nLeftXCoord= 1200\n");
    EXPECT_EQ(store.get("Window", "LeftXCoord", "0"), " 1200");
}

TEST_F(FileSettingsBackendTest, HandWrittenFileKeepsEveryByteButThePutLines) {
    const std::string original =
        "; Quillane settings, kept by hand\r\n"
        "[Favorite URLs]\r\n"
        "URL1=http://one.example/?a=1,b=2;c\r\n"
        "\r\n"
        "[Apps]\r\n"
        "Browser=/usr/bin/caf\xE9\r\n"
        "# an old one: Browser2=/opt/w3m\r\n"
        "Unknown key = \xFF\xFE kept\r\n"
        "[My own section]\r\n"
        "anything=at all\r\n"
        "a line that is no setting";
    writeFile(original);
    {
        FileSettingsBackend store(file.string());
        EXPECT_EQ(store.get("Apps", "Browser", "c:\\"), "/usr/bin/caf\xE9");
        EXPECT_EQ(store.get("Favorite URLs", "URL1", ""), "http://one.example/?a=1,b=2;c");
        store.put("Apps", "Browser", "/usr/bin/lynx\xE9");
        store.put("Favorite URLs", "URL2", "http://two.example/");
    }
    EXPECT_EQ(ReadBytes(file),
              "; Quillane settings, kept by hand\r\n"
              "[Favorite URLs]\r\n"
              "URL1=http://one.example/?a=1,b=2;c\r\n"
              "URL2=http://two.example/\r\n"
              "\r\n"
              "[Apps]\r\n"
              "Browser=/usr/bin/lynx\xE9\r\n"
              "# an old one: Browser2=/opt/w3m\r\n"
              "Unknown key = \xFF\xFE kept\r\n"
              "[My own section]\r\n"
              "anything=at all\r\n"
              "a line that is no setting");
    FileSettingsBackend reread(file.string());
    EXPECT_EQ(reread.get("Apps", "Browser", "c:\\"), "/usr/bin/lynx\xE9");
}

TEST_F(FileSettingsBackendTest, FileThatIsNotUtf8IsReadAndKept) {
    std::string garbage;
    for (int i = 0; i < 8192; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    writeFile(garbage);
    FileSettingsBackend store(file.string());
    EXPECT_EQ(store.get("Window", "WindowXSize", "5000"), "5000");
    store.put("Window", "WindowXSize", " 8000");
    EXPECT_TRUE(ReadBytes(file).starts_with(garbage));
    EXPECT_EQ(FileSettingsBackend(file.string()).get("Window", "WindowXSize", "5000"), " 8000");
}

TEST_F(FileSettingsBackendTest, FileThatCannotBeReadGivesTheDefaultsAndIsNeverWrittenOver) {
    struct Row {
        const char* what;
        std::function<void(const fs::path&)> make;
    };
    const Row rows[] = {
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }},
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }},
        {"a huge file",
         [](const fs::path& p) {
             WriteBytes(p, "[Window]\nWindowXSize= 9000\n");
             fs::resize_file(p, std::uintmax_t{1} << 32);  // sparse: costs no disk
         }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const fs::path path = scratch.path() / "Quillane.ini";
        r.make(path);
        const fs::file_status before = fs::status(path);
        const auto sizeBefore = fs::is_regular_file(before) ? fs::file_size(path) : 0;
        {
            FileSettingsBackend store(path.string());
            EXPECT_EQ(store.get("Window", "WindowXSize", "5000"), "5000") << r.what;
            store.put("Window", "WindowXSize", " 7000");
            {
                SettingsBatch batch(store);
                store.put("Miscellaneous", "TipOfTheDay", "off");
            }
            // The session still sees what it stored.
            EXPECT_EQ(store.get("Window", "WindowXSize", "5000"), " 7000") << r.what;
        }
        EXPECT_EQ(fs::status(path).type(), before.type()) << r.what;
        if (fs::is_regular_file(before)) {
            EXPECT_EQ(fs::file_size(path), sizeBefore) << r.what;
            std::ifstream in(path, std::ios::binary);
            std::string head(27, '\0');
            in.read(head.data(), 27);
            EXPECT_EQ(head, "[Window]\nWindowXSize= 9000\n");
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1) << r.what;
    }
}

TEST_F(FileSettingsBackendTest, BatchWritesTheFileOnceAtItsEnd) {
    writeFile("[Font]\nFontSize=10\n");
    FileSettingsBackend store(file.string());
    {
        SettingsBatch outer(store);
        store.put("Font", "FontSize", "12");
        {
            SettingsBatch inner(store);
            store.put("Font", "FontName", "Courier");
        }
        EXPECT_EQ(ReadBytes(file), "[Font]\nFontSize=10\n");
        EXPECT_EQ(store.get("Font", "FontSize", "10"), "12");
    }
    EXPECT_EQ(ReadBytes(file), "[Font]\nFontSize=12\nFontName=Courier\n");
}

TEST_F(FileSettingsBackendTest, PutsOfAnOpenBatchAreWrittenWhenTheStoreEnds) {
    {
        FileSettingsBackend store(file.string());
        store.beginBatch();
        store.put("Window", "WindowXSize", " 8000");
    }
    EXPECT_EQ(ReadBytes(file), "[Window]\nWindowXSize= 8000\n");
}

TEST_F(FileSettingsBackendTest, WritingKeepsWhatOthersChangedMeanwhile) {
    writeFile("[Startup]\nRecentFile1=/a.htm\n");
    FileSettingsBackend first(file.string());
    FileSettingsBackend second(file.string());
    first.put("Startup", "RecentFile1", "/b.htm");
    WriteBytes(file, ReadBytes(file) + "; added by hand\n");
    second.put("Window", "LeftXCoord", " 10");
    EXPECT_EQ(ReadBytes(file), "[Startup]\nRecentFile1=/b.htm\n; added by hand\n\n[Window]\nLeftXCoord= 10\n");
    EXPECT_EQ(second.get("Startup", "RecentFile1", ""), "/b.htm");
}

TEST_F(FileSettingsBackendTest, FailedWriteLosesNothingAndIsTriedAgain) {
    writeFile("[Apps]\nBrowser=lynx\n");
    // No write bit on the file nor on its folder: it cannot be written, even by root.
    const auto noWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(file, noWrite, fs::perm_options::remove);
    fs::permissions(file.parent_path(), noWrite, fs::perm_options::remove);
    FileSettingsBackend store(file.string());
    store.put("Apps", "Browser", "w3m");
    EXPECT_EQ(ReadBytes(file), "[Apps]\nBrowser=lynx\n");
    EXPECT_EQ(store.get("Apps", "Browser", ""), "w3m");
    fs::permissions(file.parent_path(), fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    store.put("Apps", "Browser2", "links");
    EXPECT_EQ(ReadBytes(file), "[Apps]\nBrowser=w3m\nBrowser2=links\n");
}

TEST_F(FileSettingsBackendTest, UnchangedValuesLeaveTheFileAlone) {
    writeFile("[Apps]\nBrowser=lynx\n");
    const auto written = fs::last_write_time(file);
    fs::last_write_time(file, written - std::chrono::hours(1));
    FileSettingsBackend store(file.string());
    store.put("Apps", "Browser", "lynx");
    EXPECT_EQ(fs::last_write_time(file), written - std::chrono::hours(1));
}

TEST(SettingsFilePathTest, FollowsTheUserConfigurationFolder) {
    struct Row {
        const char* configHome;  // nullptr: unset
        const char* path;
    };
    const Row rows[] = {
        {"/tmp/cfg", "/tmp/cfg/Quillane/Quillane.ini"},
        {nullptr, "/home/quill/.config/Quillane/Quillane.ini"},
        {"", "/home/quill/.config/Quillane/Quillane.ini"},
        {"relative/cfg", "/home/quill/.config/Quillane/Quillane.ini"},
    };
    testing::ScopedHome home("/home/quill");
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";
    for (const Row& r : rows) {
        if (r.configHome) setenv("XDG_CONFIG_HOME", r.configHome, 1);
        else unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(SettingsFilePath(), r.path) << (r.configHome ? r.configHome : "(unset)");
    }
    if (saved) setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace quillane
