#include "builders/link_builders.h"

#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kLinkEnd = "</A>";

// "http://" in any letter case, nothing trimmed.
bool IsBareHttp(std::string_view url) {
    return url.size() == kHttp.size() && FindNoCase(url, kHttp) == 0;
}

std::string Quoted(std::string_view value) {
    std::string out = "\"";
    out += value;
    out += '"';
    return out;
}

LinkBuild Refuse(const char* message) { return {.message = message, .snippet = {}, .clearUrl = false}; }

std::string Anchor(std::string_view attributes, std::string_view text) {
    std::string out = "<A ";
    out += attributes;
    out += '>';
    out += text;
    out += kLinkEnd;
    return out;
}

}  // namespace

LinkBuild BuildLinkTag(const LinkFields& f) {
    std::string target;
    if (!f.target.empty()) target = " TARGET=" + Quoted(f.target);

    if (f.linkText.empty()) return Refuse(kNoLinkTextMessage);
    if (!f.bookmark && (f.url.empty() || IsBareHttp(f.url))) return Refuse(kNoWebSiteMessage);
    if (f.bookmark && IsBareHttp(f.url)) {
        // The untouched "http://" stands for this document: a bare "#" link,
        // whatever the bookmark name.
        return {.message = {},
                .snippet = Anchor("HREF=" + Quoted("#" + f.bookmarkName) + target, f.linkText),
                .clearUrl = true};
    }
    if (f.bookmark && f.bookmarkName.empty()) return Refuse(kNoBookmarkToLinkMessage);
    std::string href = f.bookmark ? f.url + "#" + f.bookmarkName : f.url;
    return {.message = {}, .snippet = Anchor("HREF=" + Quoted(href) + target, f.linkText), .clearUrl = false};
}

LinkBuild BuildBookmarkTag(const BookmarkFields& f) {
    if (f.name.empty()) return Refuse(kNoBookmarkNameMessage);
    return {.message = {}, .snippet = Anchor("NAME=" + Quoted(f.name), f.text), .clearUrl = false};
}

LinkBuild BuildMailtoTag(const MailtoFields& f) {
    if (f.text.empty()) return Refuse(kNoMailtoTextMessage);
    if (f.address.empty()) return Refuse(kNoEmailAddressMessage);
    return {.message = {}, .snippet = " " + Anchor("HREF=" + Quoted("mailto:" + f.address), f.text), .clearUrl = false};
}

std::vector<std::string> LinkUrlChoices(const Settings& settings) {
    std::vector<std::string> choices{std::string(kHttp)};
    for (std::size_t i = 1; i <= 15; ++i) choices.push_back(settings.FavoriteURLs[i]);
    return choices;
}

std::vector<std::string> LinkTargetChoices() { return {"_blank", "_parent", "_self", "_top"}; }

LinkFields LinkFieldsFromTag(std::string_view tagText) {
    if (!tagText.empty() && tagText.front() == '<') tagText.remove_prefix(1);
    // Attributes are read from the start tag alone: an unquoted value would
    // otherwise run on into the link text, and a "TARGET=" typed in the link
    // text would be taken for the attribute.
    std::size_t close = tagText.find('>');
    std::string_view startTag = close == std::string_view::npos ? tagText : tagText.substr(0, close + 1);
    std::string_view rest = close == std::string_view::npos ? std::string_view{} : tagText.substr(close + 1);
    std::size_t end = FindNoCase(rest, kLinkEnd);
    if (end != std::string_view::npos) rest = rest.substr(0, end);

    LinkFields fields;
    fields.url = GetTagAttribute(startTag, "HREF=");
    fields.target = GetTagAttribute(startTag, "TARGET=");
    fields.linkText = std::string(rest);
    return fields;
}

}  // namespace quillane
