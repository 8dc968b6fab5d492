#include "app/command_table.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <new>

#include "app/app_context.h"

namespace quillane {

namespace {

std::string ReasonOf(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return std::strerror(ENOMEM);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

}  // namespace

bool RunGuarded(AppContext& ctx, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        std::exception_ptr failure = std::current_exception();
        // Showing the message needs memory too; whatever happens there stays here.
        try {
            ctx.shell().setBusy(false);
            ctx.messages().show({.title = "Quillane",
                                 .text = "The command could not be completed.\n\n" + ReasonOf(failure),
                                 .icon = MessageIcon::Exclamation});
        } catch (...) {
        }
        return false;
    }
}

bool CommandTable::run(const std::string& name, AppContext& ctx, DocumentView* target) const {
    const CommandHandler* h = find(name);
    if (!h) return false;
    RunGuarded(ctx, [&] { (*h)(ctx, target); });
    return true;
}

}  // namespace quillane
