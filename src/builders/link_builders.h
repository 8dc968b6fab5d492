#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/settings.h"

namespace quillane {

// The fields of the Insert HyperLink dialog (LINKTEXT), as typed.
struct LinkFields {
    std::string linkText;      // LText1
    std::string url;           // httpsite
    std::string target;        // Combo1, the frame to aim at
    bool bookmark = false;     // Check1
    std::string bookmarkName;  // Text1, ignored while Check1 is unticked
};

// The fields of the Anchor dialog (Anchor1).
struct BookmarkFields {
    std::string text;  // Source
    std::string name;  // Target
};

// The fields of the MailTo dialog (MailToForm).
struct MailtoFields {
    std::string address;  // Email
    std::string text;     // MailToText
};

// What a dialog's OK yields: a validation message (the dialog shows it and
// stays open) or the snippet that replaces the selection.
struct LinkBuild {
    std::string message;  // not empty: refused
    std::string snippet;
    // The link dialog empties its URL box: "http://" left in it with a
    // bookmark ticked was taken as a link into the same document.
    bool clearUrl = false;

    bool ok() const { return message.empty(); }
};

inline constexpr const char* kNoLinkTextMessage = "Please enter text to be linked in the box below.";
inline constexpr const char* kNoWebSiteMessage = "Please enter Web site to be linked in the appropriate box";
inline constexpr const char* kNoBookmarkToLinkMessage = "Please enter the bookmark name you wish to link to.";
inline constexpr const char* kNoBookmarkNameMessage = "Please enter Bookmark name in the box below.";
inline constexpr const char* kNoMailtoTextMessage = "Please enter Text to link to your Email Address in the box below.";
inline constexpr const char* kNoEmailAddressMessage = "Please enter Email Address in the box below.";

// The A HREF element of the link dialog. Fields are used exactly as typed.
LinkBuild BuildLinkTag(const LinkFields& fields);
// The A NAME element of the anchor dialog; the text may be empty.
LinkBuild BuildBookmarkTag(const BookmarkFields& fields);
// The mailto: link, always preceded by one space.
LinkBuild BuildMailtoTag(const MailtoFields& fields);

// The list of the link dialog's URL box: "http://", then the 15 favourite
// URLs in order (empty ones as empty rows).
std::vector<std::string> LinkUrlChoices(const Settings& settings);
// The list of the frame-target box.
std::vector<std::string> LinkTargetChoices();

// The link dialog's fields for an existing link, as Edit Tag opens it. The tag
// text runs from after the "<" through the link's "</A>" when it has one:
// HREF and TARGET come from the start tag, the link text is what stands
// between the start tag's ">" and "</A>" (any case).
LinkFields LinkFieldsFromTag(std::string_view tagText);

}  // namespace quillane
