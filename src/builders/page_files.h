#pragma once
#include <optional>
#include <string>
#include <variant>

#include "builders/browse_for_file.h"
#include "builders/page_properties.h"

namespace quillane {

struct AppContext;

inline constexpr const char* kNoColorsMessage = "No colors in this HTML document.";
inline constexpr const char* kTooLargeMessage = "Quillane cannot open documents larger than 64K.";
inline constexpr const char* kCantOpenPrefix = "Can't open file: ";
// The largest page whose colours are read.
inline constexpr std::size_t kColorPageLimit = 64000;
inline constexpr const char* kColorPageFilter =
    "All Files (*.*)|*.*|HTML Files (*.html, *.htm)|*.html;*.htm";

// The five colours of the first BODY tag ("<BODY", letter case kept) of a
// page on disk, or the message that tells why there are none.
struct ColorsMessage {
    std::string text;
};
std::variant<ColorsMessage, BodyFields> ColorsFromPageFile(const std::string& path);

// "Another Web page" (Command4): the user picks an HTML file, starting in the
// working folder; its colours replace the five colour fields. A message is
// shown when there are none. False when nothing was copied.
bool ColorsFromAnotherPage(AppContext& ctx, BodyFields& fields);

// The background browse button (SSCommand2): an image from the last image
// folder, which then becomes the file's folder. std::nullopt after Cancel.
std::optional<BrowsedFile> BrowseBackground(AppContext& ctx);
// What the background box shows for a browsed file: the reference relative
// to the document, the full path ("Fixed Dir" ticked) or the bare name.
std::string BackgroundReference(AppContext& ctx, const BrowsedFile& file);
std::string BackgroundFixedDirText(const BrowsedFile& file, bool fixedDir);

}  // namespace quillane
