#include "editor/text_encoding.h"

#include <array>
#include <cstdint>

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

}  // namespace

DecodedText DecodeFileBytes(std::string_view bytes) {
    std::size_t multiByte = 0;
    std::size_t invalid = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t n = SequenceLength(bytes, i);
        if (n == 0) {
            ++invalid;
            ++i;
        } else {
            if (n > 1) ++multiByte;
            i += n;
        }
    }
    // Mostly UTF-8 with a few stray bytes: keep every byte as it is, so that a
    // save gives the same file back.
    if (invalid == 0 || multiByte > invalid) return {std::string(bytes), TextEncoding::Utf8};

    DecodedText result{{}, TextEncoding::Windows1252};
    result.utf8.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) AppendUtf8(result.utf8, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return result;
}

std::string EncodeFileBytes(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
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
