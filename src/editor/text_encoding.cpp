#include "editor/text_encoding.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace quillane {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves undefined
// map to the C1 control of the same value, so that every byte decodes and
// encodes back to itself.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The length of the well-formed UTF-8 sequence at s[i] (1 for ASCII), or 0
// when the byte does not start one: overlong forms, surrogates and code points
// above U+10FFFF are not well-formed.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c == 0xE0) {
        n = 3;
        low = 0xA0;
    } else if (c == 0xED) {
        n = 3;
        high = 0x9F;
    } else if (c >= 0xE1 && c <= 0xEF) {
        n = 3;
    } else if (c == 0xF0) {
        n = 4;
        low = 0x90;
    } else if (c >= 0xF1 && c <= 0xF3) {
        n = 4;
    } else if (c == 0xF4) {
        n = 4;
        high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() - i < n) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return n;
}

char32_t DecodeSequence(std::string_view s, std::size_t i, std::size_t n) {
    auto byte = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(s[i + k])); };
    switch (n) {
        case 1: return byte(0);
        case 2: return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        case 3: return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        default:
            return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every code point of the table is below U+10000.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t Windows1252ToUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

// The byte for a code point, or -1 when windows-1252 has none.
int UnicodeToWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == cp) return static_cast<int>(0x80 + k);
    }
    return -1;
}

// The top bit of each byte of a word: a word masked with it is not 0 when one
// of its bytes is not ASCII.
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t LoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The index of the first byte at or above 0x80 in a word whose high bits are
// `high` (not 0), counting in memory order.
std::size_t FirstHighByte(std::uint64_t high) {
    if constexpr (std::endian::native == std::endian::little) return std::countr_zero(high) / 8;
    return std::countl_zero(high) / 8;
}

// Where the run of ASCII bytes from i ends. Pages are mostly ASCII, so the
// bytes are tested a word at a time.
std::size_t SkipAscii(std::string_view s, std::size_t i) {
    const char* data = s.data();
    const std::size_t size = s.size();
    while (size - i >= 16 && ((LoadWord(data + i) | LoadWord(data + i + 8)) & kHighBits) == 0) i += 16;
    while (size - i >= 8) {
        std::uint64_t high = LoadWord(data + i) & kHighBits;
        if (high != 0) return i + FirstHighByte(high);
        i += 8;
    }
    while (i < size && static_cast<unsigned char>(data[i]) < 0x80) ++i;
    return i;
}

// Whether the bytes are the editor text as they stand: UTF-8, or mostly UTF-8
// with a few stray bytes, which are kept as they are so that a save gives the
// same file back.
bool IsEditorText(std::string_view bytes) {
    std::size_t multiByte = 0;
    std::size_t invalid = 0;
    for (std::size_t i = SkipAscii(bytes, 0); i < bytes.size(); i = SkipAscii(bytes, i)) {
        std::size_t n = SequenceLength(bytes, i);
        if (n == 0) {
            ++invalid;
            ++i;
        } else {
            ++multiByte;
            i += n;
        }
    }
    return invalid == 0 || multiByte > invalid;
}

DecodedText FromWindows1252(std::string_view bytes) {
    DecodedText result{{}, TextEncoding::Windows1252};
    result.utf8.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t ascii = SkipAscii(bytes, i);
        result.utf8.append(bytes.data() + i, ascii - i);
        if (ascii == bytes.size()) break;
        AppendUtf8(result.utf8, Windows1252ToUnicode(static_cast<unsigned char>(bytes[ascii])));
        i = ascii + 1;
    }
    return result;
}

}  // namespace

DecodedText DecodeFileBytes(std::string_view bytes) {
    if (IsEditorText(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return FromWindows1252(bytes);
}

DecodedText DecodeFileBytes(std::string&& bytes) {
    if (IsEditorText(bytes)) return {std::move(bytes), TextEncoding::Utf8};
    return FromWindows1252(bytes);
}

std::string EncodeFileBytes(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // ASCII is the same in both.
        const std::size_t ascii = SkipAscii(utf8, i);
        out.append(utf8.data() + i, ascii - i);
        i = ascii;
        if (i == utf8.size()) break;
        std::size_t n = SequenceLength(utf8, i);
        if (n == 0) {
            // Not UTF-8: nothing to translate, and dropping it would lose text.
            out += utf8[i++];
            continue;
        }
        char32_t cp = DecodeSequence(utf8, i, n);
        i += n;
        int b = UnicodeToWindows1252(cp);
        if (b >= 0) {
            out += static_cast<char>(b);
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        }
    }
    return out;
}

}  // namespace quillane
