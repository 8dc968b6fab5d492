#pragma once
#include <string>
#include <string_view>

namespace quillane {

// The encoding of a document's file. The editor always holds UTF-8 (with any
// invalid bytes of a mostly-UTF-8 file kept as they are).
enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Decides the encoding of a file's bytes and gives the editor text.
DecodedText DecodeFileBytes(std::string_view bytes);
// The same for bytes the caller gives up: a file that needs no conversion
// becomes the editor text without a copy.
DecodedText DecodeFileBytes(std::string&& bytes);
// Gives the bytes to write for an editor text. Characters the encoding cannot
// hold are written as numeric character references (&#NNNN;).
std::string EncodeFileBytes(std::string_view utf8, TextEncoding encoding);

}  // namespace quillane
