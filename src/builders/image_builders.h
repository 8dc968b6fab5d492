#pragma once
#include <string>
#include <string_view>
#include <optional>
#include <variant>

namespace quillane {

struct AppContext;
class DocumentView;

// The fields of the Insert Inline Image dialog (LinkGraph), as typed.
struct LinkGraphFields {
    std::string fileName;    // GraphText: SRC
    std::string alt;         // Alt: ALT
    std::string lowSrc;      // Text8: LOWSRC
    std::string width;       // Text1: WIDTH
    std::string height;      // Text2: HEIGHT
    std::string border;      // Text3: BORDER
    std::string vspace;      // Text4: VSPACE
    std::string hspace;      // Text5: HSPACE
    bool linked = false;     // SSCheck1: wrap the image in a link
    std::string linkTarget;  // XimageLink
};

// The fields of the Advanced Inline Image dialog (Video).
struct VideoFields {
    std::string videoFile;     // Text1: DYNSRC
    // Combo2 and Combo1: the Loop and Start items last chosen from their
    // lists ("" when none was); text typed into their edit boxes is not used.
    std::string loop;
    std::string start;
    bool vcrControls = false;  // SSCheck1: CONTROLS
    bool useMap = false;       // SSCheck2: USEMAP
    std::string mapName;       // Text7
    bool isMap = false;        // SSCheck3: ISMAP
};

// The attributes the Advanced dialog adds to the image, owned by the image
// dialog and empty whenever it opens.
struct AdvancedImageAttributes {
    std::string videoGroup;  // DYNSRC, LOOP, START, CONTROLS
    std::string mapGroup;    // ISMAP, USEMAP
    friend bool operator==(const AdvancedImageAttributes&, const AdvancedImageAttributes&) = default;
};

// A refused build: the message to show and the control (by name) that gets
// the focus.
struct ImageMessage {
    std::string text;
    std::string focus;
    friend bool operator==(const ImageMessage&, const ImageMessage&) = default;
};

// Either the message of a failed check or the snippet to insert.
using ImageTagResult = std::variant<ImageMessage, std::string>;

// The Advanced dialog's OK: both attribute strings from its fields.
AdvancedImageAttributes ComputeAdvancedImageAttributes(const VideoFields& video);

// BuildImageTag: the IMG element (inside a link when one is ticked) from the
// dialog's fields, the advanced attributes and the ALIGN value (see
// AlignValue), or the message of the first failed check.
ImageTagResult BuildImageTag(const LinkGraphFields& fields, const AdvancedImageAttributes& advanced,
                             std::string_view alignValue);

// The image dialog's OK: BuildImageTag; on success an undo snapshot, then the
// snippet replaces the selection and the editor gets the focus. Returns the
// message of a failed check (nothing inserted).
std::optional<ImageMessage> InsertImageTag(AppContext& ctx, DocumentView& view, const LinkGraphFields& fields,
                                           const AdvancedImageAttributes& advanced, std::string_view alignValue);

// What Edit Tag puts into the image dialogs for an IMG tag.
struct ImageTagFields {
    LinkGraphFields image;
    VideoFields video;
    // The tag's ALIGN value for Combo1; "" leaves the alignment unchosen.
    std::string align;
};

// The fields read from an IMG tag's text (everything after its "<" through
// its ">") with GetTagAttribute. As there, "SRC=" is found inside an earlier
// "LOWSRC=" too. CONTROLS and ISMAP tick their boxes when the word occurs
// anywhere in the tag; a USEMAP value loses its first character ("#").
ImageTagFields ImageFieldsFromTag(std::string_view tagText);

}  // namespace quillane
