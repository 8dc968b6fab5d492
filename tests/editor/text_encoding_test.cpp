#include "editor/text_encoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace quillane {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string text;  // the editor text
};

TEST(TextEncoding, DecodesFilesAndGivesTheSameBytesBack) {
    const DecodeCase cases[] = {
        {"empty", "", TextEncoding::Utf8, ""},
        {"ascii", "<P>abc</P>\r\n", TextEncoding::Utf8, "<P>abc</P>\r\n"},
        {"valid UTF-8 kept", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", TextEncoding::Utf8,
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"NUL bytes", "a\0b\0\0c"s, TextEncoding::Utf8, "a\0b\0\0c"s},
        {"mixed line ends", "a\r\nb\nc\rd\n\r", TextEncoding::Utf8, "a\r\nb\nc\rd\n\r"},
        {"lone CR", "\r", TextEncoding::Utf8, "\r"},
        {"windows-1252 e acute", "caf\xE9", TextEncoding::Windows1252, "caf\xC3\xA9"},
        {"windows-1252 euro, quotes and dash", "\x80\x93\x94\x96", TextEncoding::Windows1252,
         "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93"},
        {"bytes the code page leaves undefined", "\x81\x8D\x8F\x90\x9D", TextEncoding::Windows1252,
         "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"NUL with windows-1252", "\0\xE9\0"s, TextEncoding::Windows1252, "\0\xC3\xA9\0"s},
        {"mostly UTF-8, one stray byte kept raw", "\xC3\xA9t\xC3\xA9 \xFF", TextEncoding::Utf8,
         "\xC3\xA9t\xC3\xA9 \xFF"},
        {"as many bad bytes as good sequences", "\xC3\xA9\xFF", TextEncoding::Windows1252,
         "\xC3\x83\xC2\xA9\xC3\xBF"},
        {"overlong form is not UTF-8", "\xC0\xAF", TextEncoding::Windows1252, "\xC3\x80\xC2\xAF"},
        {"surrogate is not UTF-8", "\xED\xA0\x80", TextEncoding::Windows1252, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"sequence cut short at the end", "ab\xE2\x82", TextEncoding::Windows1252, "ab\xC3\xA2\xE2\x80\x9A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedText decoded = DecodeFileBytes(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.utf8, c.text);
        EXPECT_EQ(EncodeFileBytes(decoded.utf8, decoded.encoding), c.bytes);
    }
}

struct EncodeCase {
    const char* name;
    std::string text;
    TextEncoding encoding;
    std::string bytes;
};

TEST(TextEncoding, EncodesEditorTextForTheFile) {
    const EncodeCase cases[] = {
        {"e acute back to 0xE9", "caf\xC3\xA9", TextEncoding::Windows1252, "caf\xE9"},
        {"euro sign back to 0x80", "\xE2\x82\xAC", TextEncoding::Windows1252, "\x80"},
        {"arrow not in the code page", "a\xE2\x86\x92" "b", TextEncoding::Windows1252, "a&#8594;b"},
        {"character above the BMP", "\xF0\x9F\x98\x80", TextEncoding::Windows1252, "&#128512;"},
        {"C1 control the code page uses for a letter", "\xC2\x80", TextEncoding::Windows1252, "&#128;"},
        {"C1 control of an undefined byte", "\xC2\x81", TextEncoding::Windows1252, "\x81"},
        {"invalid byte written as it is", "x\xFFy", TextEncoding::Windows1252, "x\xFFy"},
        {"UTF-8 unchanged", "\xE2\x86\x92\xFF\r\n", TextEncoding::Utf8, "\xE2\x86\x92\xFF\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeFileBytes(c.text, c.encoding), c.bytes);
    }
}

// Random byte strings, weighted towards what files hold: ASCII, line ends,
// NUL, UTF-8 sequences and stray high bytes, so that both encodings come up.
std::string RandomFileBytes(std::mt19937& rng) {
    static const std::string pieces[] = {"a", "<", "\r\n", "\n", "\r", "\0"s, "\xC3\xA9", "\xE2\x82\xAC",
                                         "\xF0\x9F\x98\x80", "\xE9", "\x81", "\xC3", "\xE2\x82", "\xFF"};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out;
    for (int n = length(rng); n > 0; --n) {
        if (kind(rng) == 0) {
            out += static_cast<char>(byte(rng));
        } else {
            out += pieces[piece(rng)];
        }
    }
    return out;
}

TEST(TextEncoding, EveryByteStringComesBackExactly) {
    std::mt19937 rng(1997);
    int seen[2] = {0, 0};
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = RandomFileBytes(rng);
        DecodedText decoded = DecodeFileBytes(bytes);
        ++seen[static_cast<int>(decoded.encoding)];
        ASSERT_EQ(EncodeFileBytes(decoded.utf8, decoded.encoding), bytes) << "round " << round;
        // Handing the bytes over decides and gives the same.
        DecodedText handedOver = DecodeFileBytes(std::string(bytes));
        ASSERT_EQ(handedOver.encoding, decoded.encoding) << "round " << round;
        ASSERT_EQ(handedOver.utf8, decoded.utf8) << "round " << round;
        if (decoded.encoding == TextEncoding::Windows1252) {
            // What the editor gets from a windows-1252 file is clean UTF-8.
            DecodedText again = DecodeFileBytes(decoded.utf8);
            ASSERT_EQ(again.encoding, TextEncoding::Utf8);
            ASSERT_EQ(again.utf8, decoded.utf8);
        }
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}

// ASCII is skipped a word at a time: a sequence must count and convert the
// same wherever it falls in or across a word, at the start, middle or end.
TEST(TextEncoding, DecisionDoesNotDependOnWhereTheNonAsciiBytesFall) {
    struct Case {
        const char* name;
        std::string sequence;
        TextEncoding encoding;
        std::string text;
    };
    const Case cases[] = {
        {"UTF-8 letter", "\xC3\xA9", TextEncoding::Utf8, "\xC3\xA9"},
        {"UTF-8 four bytes", "\xF0\x9F\x98\x80", TextEncoding::Utf8, "\xF0\x9F\x98\x80"},
        {"UTF-8 with one stray byte", "\xE2\x82\xAC\xC3\xA9\xFF", TextEncoding::Utf8, "\xE2\x82\xAC\xC3\xA9\xFF"},
        {"windows-1252 letter", "\xE9", TextEncoding::Windows1252, "\xC3\xA9"},
        {"cut short", "\xE2\x82", TextEncoding::Windows1252, "\xC3\xA2\xE2\x80\x9A"},
    };
    for (const auto& c : cases) {
        for (std::size_t before = 0; before <= 33; ++before) {
            for (std::size_t after : {0, 1, 7, 8, 9, 17}) {
                SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(before) + " before, " +
                             std::to_string(after) + " after");
                const std::string bytes = std::string(before, 'a') + c.sequence + std::string(after, 'b');
                const std::string text = std::string(before, 'a') + c.text + std::string(after, 'b');
                DecodedText viewed = DecodeFileBytes(std::string_view(bytes));
                DecodedText handedOver = DecodeFileBytes(std::string(bytes));
                EXPECT_EQ(viewed.encoding, c.encoding);
                EXPECT_EQ(viewed.utf8, text);
                EXPECT_EQ(handedOver.encoding, c.encoding);
                EXPECT_EQ(handedOver.utf8, text);
                EXPECT_EQ(EncodeFileBytes(text, c.encoding), bytes);
            }
        }
    }
}

TEST(TextEncoding, EverySingleByteComesBackExactly) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    DecodedText decoded = DecodeFileBytes(all);
    EXPECT_EQ(decoded.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(EncodeFileBytes(decoded.utf8, decoded.encoding), all);
}

}  // namespace
}  // namespace quillane
