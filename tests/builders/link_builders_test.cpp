#include "builders/link_builders.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

struct LinkCase {
    LinkFields fields;
    const char* message;  // "" when a snippet is expected
    const char* snippet;
    bool clearUrl;
};

TEST(BuildLinkTag, ChecksRunInOrderAndTheFirstDecides) {
    const LinkCase cases[] = {
        // Link text empty is reported before any URL or bookmark problem.
        {{"", "", "", false, ""}, kNoLinkTextMessage, "", false},
        {{"", "http://", "", true, ""}, kNoLinkTextMessage, "", false},
        // Web site missing while the bookmark is unticked, "http://" in any case.
        {{"Home", "", "", false, ""}, kNoWebSiteMessage, "", false},
        {{"Home", "http://", "", false, ""}, kNoWebSiteMessage, "", false},
        {{"Home", "HTTP://", "_top", false, "sec"}, kNoWebSiteMessage, "", false},
        {{"Home", "Http://", "", false, ""}, kNoWebSiteMessage, "", false},
        // Bookmark ticked with a real URL needs a name.
        {{"Home", "other.html", "", true, ""}, kNoBookmarkToLinkMessage, "", false},
        {{"Home", "", "", true, ""}, kNoBookmarkToLinkMessage, "", false},
    };
    for (const LinkCase& c : cases) {
        LinkBuild result = BuildLinkTag(c.fields);
        EXPECT_EQ(result.message, c.message) << c.fields.linkText << "|" << c.fields.url;
        EXPECT_EQ(result.snippet, "");
        EXPECT_FALSE(result.ok());
    }
}

TEST(BuildLinkTag, SnippetsQuoteUrlsAndLeaveEmptyTargetsOut) {
    const LinkCase cases[] = {
        {{"Home", "index.html", "", false, ""}, "", "<A HREF=\"index.html\">Home</A>", false},
        {{"Home", "index.html", "_top", false, ""}, "", "<A HREF=\"index.html\" TARGET=\"_top\">Home</A>", false},
        // An unticked bookmark's name is ignored.
        {{"Home", "index.html", "", false, "sec2"}, "", "<A HREF=\"index.html\">Home</A>", false},
        // "http://" with a ticked bookmark: a link into this document.
        {{"Top", "http://", "", true, "top"}, "", "<A HREF=\"#top\">Top</A>", true},
        {{"Top", "HTTP://", "main", true, "top"}, "", "<A HREF=\"#top\" TARGET=\"main\">Top</A>", true},
        {{"Top", "http://", "", true, ""}, "", "<A HREF=\"#\">Top</A>", true},
        {{"Sec", "other.html", "", true, "sec2"}, "", "<A HREF=\"other.html#sec2\">Sec</A>", false},
        {{"Sec", "", "_blank", true, "sec2"}, "", "<A HREF=\"#sec2\" TARGET=\"_blank\">Sec</A>", false},
        // Nothing is trimmed or escaped: "http://" followed by a space is a URL.
        {{" a&b ", "http:// ", "", false, ""}, "", "<A HREF=\"http:// \"> a&b </A>", false},
        {{"x", "a\"b.html", "", false, ""}, "", "<A HREF=\"a\"b.html\">x</A>", false},
    };
    for (const LinkCase& c : cases) {
        LinkBuild result = BuildLinkTag(c.fields);
        EXPECT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(result.snippet, c.snippet);
        EXPECT_EQ(result.clearUrl, c.clearUrl) << c.snippet;
    }
}

TEST(BuildBookmarkTag, NeedsANameOnly) {
    EXPECT_EQ(BuildBookmarkTag({"Chapter 1", ""}).message, kNoBookmarkNameMessage);
    EXPECT_EQ(BuildBookmarkTag({"", ""}).message, kNoBookmarkNameMessage);
    EXPECT_EQ(BuildBookmarkTag({"Chapter 1", "ch1"}).snippet, "<A NAME=\"ch1\">Chapter 1</A>");
    LinkBuild empty = BuildBookmarkTag({"", "top"});
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.snippet, "<A NAME=\"top\"></A>");
}

TEST(BuildMailtoTag, TextFirstThenAddressAndALeadingSpace) {
    EXPECT_EQ(BuildMailtoTag({"", ""}).message, kNoMailtoTextMessage);
    EXPECT_EQ(BuildMailtoTag({"me@x.org", ""}).message, kNoMailtoTextMessage);
    EXPECT_EQ(BuildMailtoTag({"", "Write"}).message, kNoEmailAddressMessage);
    EXPECT_EQ(BuildMailtoTag({"me@x.org", "Write"}).snippet, " <A HREF=\"mailto:me@x.org\">Write</A>");
    // The address is not checked for form.
    EXPECT_EQ(BuildMailtoTag({"nobody", "Write me"}).snippet, " <A HREF=\"mailto:nobody\">Write me</A>");
}

TEST(LinkChoices, UrlListIsHttpThenTheFifteenFavourites) {
    Settings settings;
    settings.FavoriteURLs[1] = "http://one.example/";
    settings.FavoriteURLs[15] = "http://last.example/";
    std::vector<std::string> urls = LinkUrlChoices(settings);
    ASSERT_EQ(urls.size(), 16u);
    EXPECT_EQ(urls[0], "http://");
    EXPECT_EQ(urls[1], "http://one.example/");
    EXPECT_EQ(urls[2], "");
    EXPECT_EQ(urls[15], "http://last.example/");
    EXPECT_EQ(LinkTargetChoices(), (std::vector<std::string>{"_blank", "_parent", "_self", "_top"}));
}

TEST(LinkFieldsFromTag, ReadsHrefTargetAndTheLinkText) {
    struct Case {
        const char* tag;
        const char* url;
        const char* target;
        const char* text;
    } cases[] = {
        {"A HREF=\"index.html\">Home</A>", "index.html", "", "Home"},
        {"a href=\"index.html\">Home</a>", "index.html", "", "Home"},
        {"A HREF=\"x.html\" TARGET=\"_top\">Go <B>on</B></A>", "x.html", "_top", "Go <B>on</B>"},
        {"A HREF=x.html TARGET=main>Next</A>", "x.html", "main", "Next"},
        {"A HREF=x.html>Next</A>", "x.html", "", "Next"},
        // Attributes come from the start tag, not from the link text.
        {"A HREF=\"a.html\">see TARGET=x</A>", "a.html", "", "see TARGET=x"},
        // A start tag without "</A>": the link text is empty.
        {"A HREF=\"a.html\" TARGET=\"_self\">", "a.html", "_self", ""},
        {"A HREF=\"a.html\">\r\nTwo\r\nlines</A>", "a.html", "", "\r\nTwo\r\nlines"},
        {"<A HREF=\"a.html\">Home</A>", "a.html", "", "Home"},
    };
    for (const Case& c : cases) {
        LinkFields fields = LinkFieldsFromTag(c.tag);
        EXPECT_EQ(fields.url, c.url) << c.tag;
        EXPECT_EQ(fields.target, c.target) << c.tag;
        EXPECT_EQ(fields.linkText, c.text) << c.tag;
        EXPECT_FALSE(fields.bookmark);
        EXPECT_EQ(fields.bookmarkName, "");
    }
}

}  // namespace
}  // namespace quillane
