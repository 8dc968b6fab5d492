#include "builders/image_builders.h"

#include "builders/attribute_text.h"
#include "editor/insertion.h"
#include "editor/tag_attribute.h"

namespace quillane {

namespace {

bool IsBareHttp(std::string_view text) {
    return text.size() == 7 && FindNoCase(text, "http://") == 0;
}

}  // namespace

AdvancedImageAttributes ComputeAdvancedImageAttributes(const VideoFields& video) {
    AdvancedImageAttributes out;
    if (!video.videoFile.empty()) {
        out.videoGroup = QuotedAttribute("DYNSRC", video.videoFile);
        out.videoGroup += OptionalPlainAttribute("LOOP", video.loop);
        out.videoGroup += OptionalPlainAttribute("START", video.start);
        if (video.vcrControls) out.videoGroup += " CONTROLS";
    }
    if (video.isMap) out.mapGroup += " ISMAP";
    if (video.useMap) out.mapGroup += QuotedAttribute("USEMAP", "#" + video.mapName);
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
    element += QuotedAttribute("SRC", f.fileName);
    element += OptionalQuotedAttribute("LOWSRC", f.lowSrc);
    element += advanced.videoGroup;
    element += OptionalQuotedAttribute("ALT", f.alt);
    element += alignValue;
    element += OptionalPlainAttribute("WIDTH", f.width);
    element += OptionalPlainAttribute("HEIGHT", f.height);
    element += OptionalPlainAttribute("BORDER", f.border);
    element += OptionalPlainAttribute("VSPACE", f.vspace);
    element += OptionalPlainAttribute("HSPACE", f.hspace);
    element += advanced.mapGroup;
    element += '>';

    if (!f.linked) return element;
    return "<A" + QuotedAttribute("HREF", f.linkTarget) + ">" + element + "</A>";
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
