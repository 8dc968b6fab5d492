#pragma once
#include <functional>
#include <map>
#include <string>

namespace quillane {

struct AppContext;
class DocumentView;

// A command acts on the program and on the window whose menu was used (may be
// nullptr for the main window's own menu).
using CommandHandler = std::function<void(AppContext&, DocumentView*)>;

// Runs a command, or a step of the start, so that no exception leaves it:
// the failure is shown ("The command could not be completed." and the
// reason), the hourglass pointer goes back to normal and every window stays
// as the step left it. False after a failure.
bool RunGuarded(AppContext& ctx, const std::function<void()>& step);

// Every command, by the name of its menu item. Menus and toolbar buttons look
// their handlers up here; an item without one is shown disabled.
class CommandTable {
public:
    void add(const std::string& name, CommandHandler handler) { handlers_[name] = std::move(handler); }
    const CommandHandler* find(const std::string& name) const {
        auto it = handlers_.find(name);
        return it == handlers_.end() ? nullptr : &it->second;
    }
    bool has(const std::string& name) const { return handlers_.count(name) != 0; }
    // Runs a command through RunGuarded; false if there is none by that name.
    bool run(const std::string& name, AppContext& ctx, DocumentView* target) const;

private:
    std::map<std::string, CommandHandler> handlers_;
};

}  // namespace quillane
