#include "files/TextEncoding.h"

#include <gtest/gtest.h>

#include "latin1_code_page.h"

namespace vr {
namespace {

using test::Latin1;

const Latin1 kAnsi;
// "C:\Écran ü.scr" and a CJK, Polish and beyond-BMP name, in UTF-8.
const std::string kAccented =
    "C:\\\xC3\x89"
    "cran \xC3\xBC.scr";
const std::string kWide = "C:\\\xE5\xB1\x8F\xE4\xBF\x9D \xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x8C\x8C.scr";

std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct DecodeCase {
    const char* label;
    std::string bytes;
    std::string text;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsEveryFormAsUtf8) {
    EXPECT_EQ(DecodeStoredText(GetParam().bytes, kAnsi), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DecodeTest,
    ::testing::Values(DecodeCase{"AnsiAsEarlierVersionsWroteIt",
                                 "C:\\\xC9"
                                 "cran \xFC.scr\r\n",
                                 kAccented + "\r\n"},
                      DecodeCase{"Utf8BomIsDropped", "\xEF\xBB\xBF" + kWide + "\r\n", kWide + "\r\n"},
                      DecodeCase{"PlainUtf8", kWide, kWide},
                      DecodeCase{"Utf16LittleEndianWithSurrogatePair",
                                 Utf16(u"C:\\\u5C4F\u4FDD \u0141\u00F3d\u017A \U0001F30C.scr", false), kWide},
                      DecodeCase{"Utf16BigEndian", Utf16(u"C:\\\u00C9cran \u00FC.scr", true), kAccented},
                      DecodeCase{"LoneSurrogateBecomesReplacement",
                                 Utf16(u"a\xD800"
                                       u"b",
                                       false),
                                 "a\xEF\xBF\xBD"
                                 "b"},
                      // Bytes that only look like UTF-8 in part are ANSI: an overlong form, a cut sequence.
                      DecodeCase{"OverlongIsAnsi", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                      DecodeCase{"CutSequenceIsAnsi", "\xC3", "\xC3\x83"}),
    [](const auto& instance) { return instance.param.label; });

TEST(EncodeTest, AnsiWhereItFitsElseUtf8WithBomAndEveryFormReadsBackUnchanged) {
    EXPECT_EQ(EncodeStoredText(kAccented, kAnsi),
              "C:\\\xC9"
              "cran \xFC.scr");
    EXPECT_EQ(EncodeStoredText(kWide, kAnsi), "\xEF\xBB\xBF" + kWide);
    for (const std::string& text : {kAccented, kWide, std::string("plain.scr\r\n"), std::string()}) {
        EXPECT_EQ(DecodeStoredText(EncodeStoredText(text, kAnsi), kAnsi), text);
    }
}

// A big playlist is mostly plain ASCII, which reads the same in every code page: it must pass
// through as it stands, without a round of conversions through the system's code page.
TEST(EncodeTest, AsciiPassesWithoutTheCodePage) {
    class Marking : public AnsiCodePage {
    public:
        std::string ToUtf8(std::string_view) const override { return "converted"; }
        std::optional<std::string> FromUtf8(std::string_view) const override { return "converted"; }
    } marking;
    const std::string ascii = "C:\\Savers\\Mystify.scr\r\n~ !$&'()+,;=@[]^_`{}\r\n";
    EXPECT_EQ(DecodeStoredText(ascii, marking), ascii);
    EXPECT_EQ(EncodeStoredText(ascii, marking), ascii);
    EXPECT_EQ(DecodeStoredText("C:\\\xC9.scr", marking), "converted");
}

}  // namespace
}  // namespace vr
