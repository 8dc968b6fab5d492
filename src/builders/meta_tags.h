#pragma once
#include <string>

namespace quillane {

struct AppContext;

// The fields of the META Tags dialog (Metatags).
struct MetaTagsFields {
    std::string description;  // Text1
    std::string keywords;     // Text2
    bool splashScreen = false;  // Check1
    std::string seconds;      // Text3
    std::string url;          // Text4
};

// The three META lines: each empty or one whole line ending in CR LF.
struct MetaLines {
    std::string description;
    std::string keywords;
    std::string refresh;
    bool empty() const { return description.empty() && keywords.empty() && refresh.empty(); }
    std::string joined() const { return description + keywords + refresh; }
    friend bool operator==(const MetaLines&, const MetaLines&) = default;
};

// The lines the META Tags OK builds. Nothing is validated: an empty
// description or keyword box gives an empty line; the refresh line exists
// only for a splash screen.
MetaLines BuildMetaLines(const MetaTagsFields& fields);

// META Tags OK: the program's META lines become the built ones.
void ConfirmMetaTags(AppContext& ctx, const MetaTagsFields& fields);

}  // namespace quillane
