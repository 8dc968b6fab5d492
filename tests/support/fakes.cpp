#include "support/fakes.h"

#include <algorithm>

#include "editor/document_lifecycle.h"

namespace quillane::testing {

MessageAnswer ScriptedMessageBoxes::show(const MessageRequest& request) {
    shown.push_back(request);
    if (!answers.empty()) {
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (request.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
        default: return MessageAnswer::Ok;
    }
}

std::vector<std::string> ScriptedMessageBoxes::texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown) out.push_back(m.text);
    return out;
}

std::optional<FileChoice> ScriptedFileDialogs::answerFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> a = fileAnswers.front();
    fileAnswers.pop_front();
    if (!a) return std::nullopt;
    auto slash = a->find_last_of('/');
    return FileChoice{*a, slash == std::string::npos ? *a : a->substr(slash + 1)};
}

std::optional<FileChoice> ScriptedFileDialogs::openFile(const FileDialogRequest& request) { return answerFile(request); }
std::optional<FileChoice> ScriptedFileDialogs::saveFile(const FileDialogRequest& request) { return answerFile(request); }

std::optional<std::string> ScriptedFileDialogs::chooseFolder(const std::string&, const std::string&) {
    if (folderAnswers.empty()) return std::nullopt;
    auto a = folderAnswers.front();
    folderAnswers.pop_front();
    return a;
}

std::optional<Rgb> ScriptedFileDialogs::chooseColor(std::optional<Rgb>) {
    if (colorAnswers.empty()) return std::nullopt;
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
}

std::string MemorySettings::get(const std::string& section, const std::string& key, const std::string& fallback) const {
    auto it = values.find({section, key});
    return it == values.end() ? fallback : it->second;
}

void MemorySettings::put(const std::string& section, const std::string& key, const std::string& value) {
    values[{section, key}] = value;
}

bool MemorySettings::has(const std::string& section, const std::string& key) const {
    return values.count({section, key}) != 0;
}

LaunchResult RecordingLauncher::start(const std::string& program, const std::vector<std::string>& arguments) {
    launches.push_back({program, arguments});
    return result;
}

void FakeDocumentView::setRecentEntry(int index, const std::string& caption, bool visible) {
    recentEntries[index] = {caption, visible};
}

bool FakeDocumentView::menuItemVisible(const std::string& name) const {
    auto it = hiddenItems.find(name);
    return it == hiddenItems.end() || !it->second;
}

DocumentView& FakeShell::createDocumentWindow(int slot) {
    windows_.push_back(std::make_unique<FakeDocumentView>(slot));
    active_ = windows_.back().get();
    if (created) created(*windows_.back());
    return *windows_.back();
}

bool FakeShell::closeDocumentWindow(DocumentView& view) {
    if (queryClose && !queryClose(view)) return false;
    int slot = view.slot();
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == &view; });
    if (it == windows_.end()) return false;
    windows_.erase(it);
    active_ = windows_.empty() ? nullptr : windows_.back().get();
    if (closed) closed(slot);
    return true;
}

std::vector<DocumentView*> FakeShell::documentWindows() {
    std::vector<DocumentView*> out;
    for (auto& w : windows_) out.push_back(w.get());
    return out;
}

void FakeShell::setRecentEntry(int index, const std::string& caption, bool visible) {
    recentEntries[index] = {caption, visible};
}

std::string FakeShell::recentEntryCaption(int index) const {
    auto it = recentEntries.find(index);
    if (it != recentEntries.end()) return it->second.first;
    return index == 0 ? "-" : "RecentFile" + std::to_string(index);
}

FakeDocumentView* FakeShell::window(int slot) {
    for (auto& w : windows_)
        if (w->slot() == slot) return w.get();
    return nullptr;
}

TestApp::TestApp()
    : ctx(Platform{shell, messages, dialogs, store, launcher, clipboard, clock, help}) {
    shell.queryClose = [this](DocumentView& v) { return QueryCloseDocument(ctx, v); };
    shell.closed = [this](int slot) { DocumentWindowClosed(ctx, slot); };
    shell.created = [this](FakeDocumentView& v) {
        v.memoryEditor().onTextChanged = [this, &v] { OnDocumentTextChanged(ctx, v); };
    };
}

}  // namespace quillane::testing
