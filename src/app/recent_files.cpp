#include "app/recent_files.h"

#include <string_view>

#include "app/app_context.h"

namespace quillane {

namespace {

constexpr int kRecentCount = 4;
constexpr std::string_view kNotUsed = "Not Used";

std::string RecentKey(int i) { return "RecentFile" + std::to_string(i); }

std::string StoredRecent(AppContext& ctx, int i) { return ctx.platform.store.get("Startup", RecentKey(i), "Not Used"); }

// An entry is in use unless its first eight characters are "Not Used".
bool InUse(const std::string& entry) { return std::string_view(entry).substr(0, kNotUsed.size()) != kNotUsed; }

}  // namespace

void GetRecentFiles(AppContext& ctx) {
    for (int i = 1; i <= kRecentCount; ++i) {
        std::string s = StoredRecent(ctx, i);
        // An unused entry keeps its caption and visibility: entries are never
        // hidden again.
        if (!InUse(s)) continue;
        ctx.shell().setRecentEntry(0, "-", true);
        ctx.shell().setRecentEntry(i, s, true);
        for (DocumentView* view : ctx.shell().documentWindows()) {
            view->setRecentEntry(0, "-", true);
            view->setRecentEntry(i, s, true);
        }
    }
}

void WriteRecentFiles(AppContext& ctx, const std::string& path) {
    SettingsBatch batch(ctx.platform.store);
    for (int i = kRecentCount - 1; i >= 1; --i) {
        std::string s = StoredRecent(ctx, i);
        if (InUse(s)) ctx.platform.store.put("Startup", RecentKey(i + 1), s);
    }
    ctx.platform.store.put("Startup", RecentKey(1), path);
}

void AddToRecentFiles(AppContext& ctx, const std::string& path) {
    if (!IsOnRecentList(ctx, path)) WriteRecentFiles(ctx, path);
    GetRecentFiles(ctx);
}

bool IsOnRecentList(AppContext& ctx, const std::string& path) {
    for (int i = 1; i <= kRecentCount; ++i) {
        if (ctx.shell().recentEntryCaption(i) == path) return true;
    }
    return false;
}

}  // namespace quillane
