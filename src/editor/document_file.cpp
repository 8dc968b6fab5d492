#include "editor/document_file.h"

#include <utility>

#include "platform/editor_control.h"

namespace quillane {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

TextEncoding LoadDocumentFile(EditorControl& editor, std::string&& bytes, bool unixLineEnds) {
    DecodedText decoded = DecodeFileBytes(std::move(bytes));
    if (unixLineEnds) decoded.utf8 = WithCrLfLineEnds(decoded.utf8);
    editor.loadText(decoded.utf8);
    return decoded.encoding;
}

FileWriteResult WriteDocumentFile(const std::string& path, std::string_view text, TextEncoding encoding) {
    // The text goes out as it stands, without a joined copy. The line end is
    // ASCII, the same bytes in either encoding.
    std::string encoded;
    if (encoding != TextEncoding::Utf8) {
        encoded = EncodeFileBytes(text, encoding);
        text = encoded;
    }
    const std::string_view pieces[] = {text, kCrLf};
    return WriteFileAtomically(path, pieces);
}

}  // namespace quillane
