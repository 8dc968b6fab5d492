#pragma once
// Scripted stand-ins for the platform, so that command flows run without a
// person: message boxes and dialogs answer from queues and record what they
// were asked.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "support/memory_editor.h"

namespace quillane::testing {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest& request) override;
    std::deque<MessageAnswer> answers;  // empty: the first button's answer
    std::vector<MessageRequest> shown;
    std::vector<std::string> texts() const;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<FileChoice> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<Rgb> chooseColor(std::optional<Rgb> initial) override;

    // Paths to answer with, in order; std::nullopt (or an empty queue) is Cancel.
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<Rgb>> colorAnswers;
    std::vector<FileDialogRequest> fileRequests;

private:
    std::optional<FileChoice> answerFile(const FileDialogRequest& request);
};

class MemorySettings : public SettingsBackend {
public:
    std::string get(const std::string& section, const std::string& key, const std::string& fallback) const override;
    void put(const std::string& section, const std::string& key, const std::string& value) override;
    bool has(const std::string& section, const std::string& key) const;
    std::map<std::pair<std::string, std::string>, std::string> values;
};

class RecordingLauncher : public ProcessLauncher {
public:
    LaunchResult start(const std::string& program, const std::vector<std::string>& arguments) override;
    struct Launch {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Launch> launches;
    LaunchResult result{true, {}};
};

class MemoryClipboard : public Clipboard {
public:
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
    std::string value;
};

class FixedClock : public Clock {
public:
    DateTime now() const override { return time; }
    DateTime time{1997, 3, 7, 14, 5, 9};
};

class RecordingHelp : public HelpViewer {
public:
    void showContents() override { topics.push_back(0); }
    void showTopic(int contextNumber) override { topics.push_back(contextNumber); }
    std::vector<int> topics;  // 0 stands for the contents
};

class FakeDocumentView : public DocumentView {
public:
    explicit FakeDocumentView(int slot) : slot_(slot) {}
    int slot() const override { return slot_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    EditorControl& editor() override { return editor_; }
    MemoryEditor& memoryEditor() { return editor_; }
    bool wordWrapChecked() const override { return wordWrap_; }
    void setWordWrapChecked(bool checked) override { wordWrap_ = checked; }
    int innerWidthTwips() const override { return innerWidth; }
    void setRecentEntry(int index, const std::string& caption, bool visible) override;
    void setMenuItemVisible(const std::string& name, bool visible) override { hiddenItems[name] = !visible; }
    bool menuItemVisible(const std::string& name) const override;

    int innerWidth = 9000;
    std::map<int, std::pair<std::string, bool>> recentEntries;
    std::map<std::string, bool> hiddenItems;

private:
    int slot_;
    std::string caption_;
    bool wordWrap_ = false;
    MemoryEditor editor_;
};

class FakeShell : public Shell {
public:
    DocumentView& createDocumentWindow(int slot) override;
    bool closeDocumentWindow(DocumentView& view) override;
    DocumentView* activeDocument() override { return active_; }
    std::vector<DocumentView*> documentWindows() override;
    void activate(DocumentView& view) override { active_ = &view; }
    void arrange(WindowArrangement how) override { arrangements.push_back(how); }
    void setStatusText(StatusPanel panel, const std::string& text) override { status[panel] = text; }
    void setDocumentToolbarEnabled(bool enabled) override { documentToolbarEnabled = enabled; }
    void setBusy(bool busy) override { this->busy = busy; }
    void setRecentEntry(int index, const std::string& caption, bool visible) override;
    std::string recentEntryCaption(int index) const override;
    TwipsRect geometry() const override { return rect; }
    void setGeometry(const TwipsRect& r) override {
        rect = r;
        placedWhileHidden = !shown;
    }
    void showMainWindow() override { shown = true; }
    int screenWidthTwips() const override { return 15360; }
    int screenHeightTwips() const override { return 11520; }
    std::vector<TwipsRect> screenAreasTwips() const override { return screens; }
    std::string programFolder() const override { return folder; }

    FakeDocumentView* active() { return dynamic_cast<FakeDocumentView*>(active_); }
    FakeDocumentView* window(int slot);

    // Wired to QueryCloseDocument and DocumentWindowClosed by TestApp.
    std::function<bool(DocumentView&)> queryClose;
    std::function<void(int slot)> closed;
    // Called when a window is created, so tests can hook its editor.
    std::function<void(FakeDocumentView&)> created;

    std::map<StatusPanel, std::string> status;
    std::vector<WindowArrangement> arrangements;
    bool documentToolbarEnabled = false;
    bool busy = false;
    TwipsRect rect;
    bool shown = false;
    bool placedWhileHidden = false;
    // One 1024 x 768 screen at 96 dpi.
    std::vector<TwipsRect> screens = {{0, 0, 15360, 11520}};
    std::string folder = "/opt/quillane/";
    std::map<int, std::pair<std::string, bool>> recentEntries;

private:
    std::vector<std::unique_ptr<FakeDocumentView>> windows_;
    DocumentView* active_ = nullptr;
};

// The whole program state over scripted fakes.
struct TestApp {
    TestApp();
    FakeShell shell;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    MemorySettings store;
    RecordingLauncher launcher;
    MemoryClipboard clipboard;
    FixedClock clock;
    RecordingHelp help;
    AppContext ctx;

    FakeDocumentView* active() { return shell.active(); }
    MemoryEditor& editor() { return shell.active()->memoryEditor(); }
};

}  // namespace quillane::testing
