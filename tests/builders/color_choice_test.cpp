#include "builders/color_choice.h"

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::TestApp;

TEST(HexColorToRGB, ReadsEachPairOfDigits) {
    struct Row {
        const char* text;
        Rgb expected;
    };
    const Row rows[] = {
        {"", {192, 192, 192}},
        {"ff8000", {255, 128, 0}},
        {"FF8000", {255, 128, 0}},
        {"000000", {0, 0, 0}},
        {"FFFFFF", {255, 255, 255}},
        {"12aB3c", {0x12, 0xAB, 0x3C}},
        // Anything that is not a hex digit counts as 0, also a leading "#".
        {"GG0000", {0, 0, 0}},
        {"#FFFFF", {0x0F, 0xFF, 0xFF}},
        {"z9 1x0", {9, 1, 0}},
        // Missing digits count as 0; digits beyond the sixth are ignored.
        {"F", {0xF0, 0, 0}},
        {"FF", {255, 0, 0}},
        {"FFFF8", {255, 255, 0x80}},
        {"00FF00FF", {0, 255, 0}},
        // Bytes of a multi-byte character are not digits.
        {"\xC3\xA9\xC3\xA9\xC3\xA9", {0, 0, 0}},
    };
    for (const Row& row : rows) EXPECT_EQ(HexColorToRGB(row.text), row.expected) << row.text;
}

TEST(ReadableInk, BlackOnLightColoursWhiteOnDark) {
    struct Row {
        Rgb background;
        Rgb ink;
    };
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    const Row rows[] = {
        {{0, 0, 0}, white},       {{255, 255, 255}, black}, {{192, 192, 192}, black},
        {{0, 0, 255}, white},     {{255, 0, 0}, white},     {{0, 255, 0}, black},
        {{255, 255, 0}, black},   {{128, 0, 128}, white},
        // The threshold: brightness 128 reads better in black, 127 in white.
        {{128, 128, 128}, black}, {{127, 127, 127}, white},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadableInk(row.background), row.ink) << RgbToHexText(row.background);
}

TEST(ColorText, SixUpperCaseDigitsAndTheColorNumber) {
    EXPECT_EQ(RgbToHexText({0, 0, 0}), "000000");
    EXPECT_EQ(RgbToHexText({255, 128, 0}), "FF8000");
    EXPECT_EQ(RgbToHexText({1, 0x2A, 0xBC}), "012ABC");
    EXPECT_EQ(RgbToColorNumber({255, 128, 0}), 0x000080FFu);
    EXPECT_EQ(RgbToColorNumber({0x12, 0x34, 0x56}), 0x00563412u);
    for (Rgb c : {Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{7, 200, 99}}) EXPECT_EQ(HexColorToRGB(RgbToHexText(c)), c);
}

TEST(ChooseColor, GivesTheColorOrTheCancel) {
    TestApp app;
    app.dialogs.colorAnswers = {Rgb{0, 0, 0}, std::nullopt, Rgb{255, 128, 0}};

    ColorChoice black = ChooseColor(app.ctx);
    EXPECT_FALSE(black.cancelled);
    EXPECT_EQ(black.number, 0u);
    EXPECT_EQ(black.text, "000000");

    ColorChoice cancelled = ChooseColor(app.ctx);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.number, 0u);
    EXPECT_EQ(cancelled.text, "");

    ColorChoice orange = ChooseColor(app.ctx);
    EXPECT_FALSE(orange.cancelled);
    EXPECT_EQ(orange.number, 0x000080FFu);
    EXPECT_EQ(orange.text, "FF8000");
}

TEST(ColorPickerButton, InsertsTheChosenColourAtTheCaret) {
    TestApp app;
    CommandTable commands;
    RegisterColorCommands(commands);
    app.dialogs.colorAnswers = {std::nullopt};
    // Without a document the chooser does not open.
    EXPECT_TRUE(commands.run("SSCommand42", app.ctx, nullptr));
    EXPECT_EQ(app.dialogs.colorAnswers.size(), 1u);

    NewDocument(app.ctx);
    testing::SetMarkedText(app.editor(), "color=[red]>");
    commands.run("SSCommand42", app.ctx, nullptr);
    EXPECT_EQ(testing::MarkedText(app.editor()), "color=[red]>");
    app.dialogs.colorAnswers = {Rgb{0, 0, 0}};
    commands.run("SSCommand42", app.ctx, nullptr);
    EXPECT_EQ(testing::MarkedText(app.editor()), "color=#000000|>");
}

}  // namespace
}  // namespace quillane
