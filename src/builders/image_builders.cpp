#include "builders/image_builders.h"

#include "editor/insertion.h"
#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr char kQ = '"';

std::string Quoted(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += '=';
    out += kQ;
    out += value;
    out += kQ;
    return out;
}

// An attribute left out entirely when its field is empty.
std::string OptionalQuoted(std::string_view name, std::string_view value) {
    return value.empty() ? std::string() : Quoted(name, value);
}

std::string OptionalPlain(std::string_view name, std::string_view value) {
    if (value.empty()) return {};
    std::string out = " ";
    out += name;
    out += '=';
    out += value;
    return out;
}

bool IsBareHttp(std::string_view text) {
    return text.size() == 7 && FindNoCase(text, "http://") == 0;
}

}  // namespace

AdvancedImageAttributes ComputeAdvancedImageAttributes(const VideoFields& video) {
    AdvancedImageAttributes out;
    if (!video.videoFile.empty()) {
        out.videoGroup = Quoted("DYNSRC", video.videoFile);
        out.videoGroup += OptionalPlain("LOOP", video.loop);
        out.videoGroup += OptionalPlain("START", video.start);
        if (video.vcrControls) out.videoGroup += " CONTROLS";
    }
    if (video.isMap) out.mapGroup += " ISMAP";
    if (video.useMap) out.mapGroup += Quoted("USEMAP", "#" + video.mapName);
    return out;
}

ImageTagResult BuildImageTag(const LinkGraphFields& f, const AdvancedImageAttributes& advanced,
                             std::string_view alignValue) {
    if (f.fileName.empty()) return ImageMessage{"Please enter image filename in the box below.", "GraphText"};
    if (f.linked && (f.linkTarget.empty() || IsBareHttp(f.linkTarget))) {
        return ImageMessage{
            "Please enter URL or the filename of an External image or Sound to be linked in the appropriate box",
            "XimageLink"};
    }

    std::string element = "<IMG";
    element += Quoted("SRC", f.fileName);
    element += OptionalQuoted("LOWSRC", f.lowSrc);
    element += advanced.videoGroup;
    element += OptionalQuoted("ALT", f.alt);
    element += alignValue;
    element += OptionalPlain("WIDTH", f.width);
    element += OptionalPlain("HEIGHT", f.height);
    element += OptionalPlain("BORDER", f.border);
    element += OptionalPlain("VSPACE", f.vspace);
    element += OptionalPlain("HSPACE", f.hspace);
    element += advanced.mapGroup;
    element += '>';

    if (!f.linked) return element;
    return "<A" + Quoted("HREF", f.linkTarget) + ">" + element + "</A>";
}

std::optional<ImageMessage> InsertImageTag(AppContext& ctx, DocumentView& view, const LinkGraphFields& fields,
                                           const AdvancedImageAttributes& advanced, std::string_view alignValue) {
    ImageTagResult result = BuildImageTag(fields, advanced, alignValue);
    if (auto* message = std::get_if<ImageMessage>(&result)) return *message;
    SaveUndoSnapshot(ctx, view);
    InsertText(view, std::get<std::string>(result), true);
    return std::nullopt;
}

ImageTagFields ImageFieldsFromTag(std::string_view tag) {
    ImageTagFields out;
    VideoFields& v = out.video;
    v.videoFile = GetTagAttribute(tag, "DYNSRC=");
    v.loop = GetTagAttribute(tag, "LOOP=");
    v.start = GetTagAttribute(tag, "START=");
    v.vcrControls = TagHasWord(tag, "CONTROLS");
    const std::string useMap = GetTagAttribute(tag, "USEMAP=");
    v.useMap = !useMap.empty();
    v.mapName = useMap.empty() ? std::string() : useMap.substr(1);
    v.isMap = TagHasWord(tag, "ISMAP");

    LinkGraphFields& f = out.image;
    f.alt = GetTagAttribute(tag, "ALT=");
    f.width = GetTagAttribute(tag, "WIDTH=");
    f.height = GetTagAttribute(tag, "HEIGHT=");
    f.fileName = GetTagAttribute(tag, "SRC=");
    f.border = GetTagAttribute(tag, "BORDER=");
    f.lowSrc = GetTagAttribute(tag, "LOWSRC=");
    f.vspace = GetTagAttribute(tag, "VSPACE=");
    f.hspace = GetTagAttribute(tag, "HSPACE=");
    out.align = GetTagAttribute(tag, "ALIGN=");
    return out;
}

}  // namespace quillane
