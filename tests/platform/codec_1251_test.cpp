#include "platform/codec_1251.h"

#include <gtest/gtest.h>

namespace kestrovin {
namespace {

// UTF-8 of a code point below U+0800.
std::string Utf8(char32_t code) {
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

TEST(Codec1251, EveryCyrillicLetterBothWays) {
    for (char32_t code = 0x0410; code <= 0x044F; ++code) {  // А..я sit at 0xC0..0xFF
        const std::string bytes(1, static_cast<char>(0xC0 + (code - 0x0410)));
        EXPECT_EQ(Utf8ToCp1251(Utf8(code)), bytes) << "U+" << std::hex << static_cast<unsigned>(code);
        EXPECT_EQ(Cp1251ToUtf8(bytes), Utf8(code));
    }
    EXPECT_EQ(Utf8ToCp1251("Ё"), "\xA8");
    EXPECT_EQ(Utf8ToCp1251("ё"), "\xB8");
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8"), "Ёё");
}

TEST(Codec1251, MixedTextRoundTrips) {
    const std::string text = "Двигатель 1JZ-GTE, пробег 250 000 км; «ёлка» №5\r\n";
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(text)), text);
    EXPECT_EQ(Utf8ToCp1251(""), "");
}

TEST(Codec1251, UnmappableTextIsRejectedWithItsCharacter) {
    struct Case {
        std::string text;
        std::string named;
    };
    for (const Case& c : {Case{"Ω-датчик", "U+03A9"}, Case{"ok 中", "U+4E2D"}, Case{"a\xFF", "UTF-8"}}) {
        try {
            Utf8ToCp1251(c.text);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const CodecError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

TEST(Codec1251, UnassignedByteDecodesAsReplacementCharacter) {
    EXPECT_EQ(Cp1251ToUtf8("a\x98" "b"), "a\xEF\xBF\xBD" "b");
}

}  // namespace
}  // namespace kestrovin
