#include "builders/meta_tags.h"

#include "app/app_context.h"

namespace quillane {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string TrimSpaces(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string NamedMeta(const std::string& name, const std::string& content) {
    if (content.empty()) return "";
    return "<META Name=\"" + name + "\" Content=\"" + content + "\">" + kCrLf;
}

}  // namespace

MetaLines BuildMetaLines(const MetaTagsFields& fields) {
    MetaLines lines;
    lines.description = NamedMeta("description", fields.description);
    lines.keywords = NamedMeta("keywords", fields.keywords);
    if (fields.splashScreen) {
        lines.refresh = "<META HTTP-EQUIV=\"Refresh\" Content=\"" + TrimSpaces(fields.seconds) + ";URL=" + fields.url +
                        "\">" + kCrLf;
    }
    return lines;
}

void ConfirmMetaTags(AppContext& ctx, const MetaTagsFields& fields) { ctx.metaLines = BuildMetaLines(fields); }

}  // namespace quillane
