#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "builders/image_builders.h"

namespace quillane {

struct AppContext;
class DocumentView;

// The fields of the client-side image map dialog (UseMap), as typed.
struct UseMapFields {
    std::string mapName;               // Text1
    std::array<std::string, 6> coords;  // Text2 ... Text7
    std::string url;                   // Combo1
    std::string target;                // Combo2
};

// A shape button of the image map dialog: the shape name it stores and the
// captions of the coordinate boxes it shows (Text2 onwards, in order).
struct MapShape {
    const char* button;  // SSOption1 ... SSOption3
    const char* name;    // "Circle", "Rect", "Poly"
    std::span<const char* const> labels;
};
std::span<const MapShape> MapShapes();

// What one Insert writes: the MAP start line before the first area, then the
// AREA line; and the map-started flag afterwards.
struct MapAreaLines {
    std::string text;
    bool mapStarted = false;
    friend bool operator==(const MapAreaLines&, const MapAreaLines&) = default;
};
using MapAreaResult = std::variant<ImageMessage, MapAreaLines>;

// BuildMapArea: the lines of one area of the given shape name (any name but
// "Circle" and "Rect", the empty one too, takes six polygon coordinates), or
// the message of the first failed check. Values are written as typed.
MapAreaResult BuildMapArea(const UseMapFields& fields, bool mapStarted, std::string_view shape);

// One opening of the image map dialog on a document: the areas go in at the
// caret one by one, the MAP start line with the first, "</MAP>" with Done.
// The shape name is the program's, kept from earlier openings.
class ImageMapSequence {
public:
    ImageMapSequence(AppContext& ctx, DocumentView& view) : ctx_(ctx), view_(view) {}

    const std::string& shape() const;
    void chooseShape(std::string_view name);
    bool mapStarted() const { return mapStarted_; }

    // Insert: after an undo snapshot, the lines go in at the caret; on a
    // failed check nothing is inserted and the message is returned.
    std::optional<ImageMessage> insertArea(const UseMapFields& fields);
    // Done: "</MAP>" at the caret, also when no area was inserted.
    void done();

private:
    AppContext& ctx_;
    DocumentView& view_;
    bool mapStarted_ = false;
};

}  // namespace quillane
