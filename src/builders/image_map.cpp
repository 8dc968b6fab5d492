#include "builders/image_map.h"

#include "app/app_context.h"
#include "editor/insertion.h"
#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr const char* kCircleLabels[] = {"Circle center X-coordinate:", "Circle center Y-coordinate:",
                                         "Circle radius:"};
constexpr const char* kRectLabels[] = {"Upper left X-coordinate:", "Upper left Y-coordinate:",
                                       "Lower right X-coordinate:", "Lower right Y-coordinate:"};
constexpr const char* kPolyLabels[] = {"First vertex X-coordinate:",  "First vertex Y-coordinate:",
                                       "Second vertex X-coordinate:", "Second vertex Y-coordinate:",
                                       "Third vertex X-coordinate:",  "Third vertex Y-coordinate:"};

const MapShape kShapes[] = {
    {"SSOption1", "Circle", kCircleLabels},
    {"SSOption2", "Rect", kRectLabels},
    {"SSOption3", "Poly", kPolyLabels},
};

constexpr const char* kCrLf = "\r\n";

std::string CoordsText(const std::array<std::string, 6>& c, std::string_view shape) {
    if (shape == "Circle") return c[0] + "," + c[1] + " " + c[2];
    if (shape == "Rect") return c[0] + "," + c[1] + " " + c[2] + "," + c[3];
    return c[0] + "," + c[1] + " " + c[2] + "," + c[3] + " " + c[4] + "," + c[5];
}

}  // namespace

std::span<const MapShape> MapShapes() { return kShapes; }

MapAreaResult BuildMapArea(const UseMapFields& f, bool mapStarted, std::string_view shape) {
    if (f.url.empty() || (f.url.size() == 7 && FindNoCase(f.url, "http://") == 0))
        return ImageMessage{"Enter URL to link image area to.", "Combo1"};

    MapAreaLines out;
    out.mapStarted = mapStarted;
    if (!mapStarted) {
        if (f.mapName.empty()) return ImageMessage{"Enter a name for your image map.", "Text1"};
        out.text = "<MAP NAME=\"" + f.mapName + "\">" + kCrLf;
        out.mapStarted = true;
    }
    out.text += "<AREA SHAPE=" + std::string(shape) + " COORDS=\"" + CoordsText(f.coords, shape) + "\"";
    out.text += " HREF=\"" + f.url + "\"";
    if (!f.target.empty()) out.text += " TARGET=\"" + f.target + "\"";
    out.text += ">";
    out.text += kCrLf;
    return out;
}

const std::string& ImageMapSequence::shape() const { return ctx_.imageMapShape; }

void ImageMapSequence::chooseShape(std::string_view name) { ctx_.imageMapShape = std::string(name); }

std::optional<ImageMessage> ImageMapSequence::insertArea(const UseMapFields& fields) {
    MapAreaResult result = BuildMapArea(fields, mapStarted_, ctx_.imageMapShape);
    if (auto* message = std::get_if<ImageMessage>(&result)) return *message;
    const MapAreaLines& lines = std::get<MapAreaLines>(result);
    SaveUndoSnapshot(ctx_, view_);
    InsertText(view_, lines.text, false);
    mapStarted_ = lines.mapStarted;
    return std::nullopt;
}

void ImageMapSequence::done() { InsertText(view_, "</MAP>", true); }

}  // namespace quillane
