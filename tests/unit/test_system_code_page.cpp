#include "files/SystemCodePage.h"

#include <gtest/gtest.h>

#include "fake_code_page_conversions.h"
#include "files/TextLines.h"

namespace vr {
namespace {

using test::FakeConversions;
using test::kNoMemory;
using test::kWestern;

// "C:\Users\Écran\Star.scr", a name outside 1252, and "C:\Users\Ã©\Star.scr", whose 1252 bytes
// C3 A9 are also the UTF-8 of "é".
const std::string kAccented =
    "C:\\Users\\\xC3\x89"
    "cran\\Star.scr";
const std::string kOutside = "C:\\\xE5\xB1\x8F\xE4\xBF\x9D \xC5\x81\xC3\xB3\x64\xC5\xBA.scr";
const std::string kLooksLikeUtf8 = "C:\\Users\\\xC3\x83\xC2\xA9\\Star.scr";
const std::string kBom(kUtf8Bom);

std::string Stored(const std::vector<std::string>& lines, const AnsiCodePage& ansi) {
    return EncodeStoredText(JoinLines(lines), ansi);
}

TEST(SystemCodePageTest, InCodePage1252NamesAreAnsiWhereTheyReadBackAsThemselves) {
    FakeConversions system;
    const SystemCodePage ansi(system);
    EXPECT_EQ(Stored({kAccented}, ansi),
              "C:\\Users\\\xC9"
              "cran\\Star.scr\r\n");
    EXPECT_EQ(Stored({kAccented, kOutside}, ansi), kBom + JoinLines({kAccented, kOutside}));
    // As ANSI the bytes would be read as the UTF-8 of another name, a file that does not exist.
    EXPECT_EQ(Stored({kLooksLikeUtf8}, ansi), kBom + JoinLines({kLooksLikeUtf8}));
    // ANSI that starts with the bytes of a byte-order mark ("ï»¿") would lose them.
    const std::string markLike = "\xC3\xAF\xC2\xBB\xC2\xBF.scr";
    EXPECT_EQ(Stored({markLike}, ansi), kBom + JoinLines({markLike}));
    for (const auto& lines :
         {std::vector{kAccented}, std::vector{kLooksLikeUtf8}, std::vector{markLike, kOutside}})
        EXPECT_EQ(SplitLines(DecodeStoredText(Stored(lines, ansi), ansi)), lines);
}

TEST(SystemCodePageTest, WithUtf8AsTheAnsiCodePageTheAnsiFormIsTheUtf8) {
    FakeConversions system;
    system.ansiCodePage = kUtf8CodePage;
    const SystemCodePage ansi(system);
    for (const std::string& name : {kAccented, kOutside, kLooksLikeUtf8}) {
        EXPECT_EQ(Stored({name}, ansi), JoinLines({name})) << "never empty, never a strict call refused";
        EXPECT_EQ(SplitLines(DecodeStoredText(Stored({name}, ansi), ansi)), std::vector{name});
    }
    // A text that begins with U+FEFF keeps it behind a mark of its own.
    const std::string marked = kBom + "x.scr";
    EXPECT_EQ(Stored({marked}, ansi), kBom + marked + "\r\n");
    // A file an earlier run wrote in 1252 is no UTF-8: its stray bytes become U+FFFD.
    EXPECT_EQ(DecodeStoredText("\xC9"
                               "cran.scr",
                               ansi),
              "\xEF\xBF\xBD"
              "cran.scr");
}

TEST(SystemCodePageTest, AConversionTheSystemFailsIsAnErrorNeverAnEmptyText) {
    for (unsigned codePage : {kWestern, kUtf8CodePage}) {
        FakeConversions system;
        system.ansiCodePage = codePage;
        system.failing = true;
        const SystemCodePage ansi(system);
        try {
            DecodeStoredText(
                "\xC9"
                "cran.scr",
                ansi);
            ADD_FAILURE() << "no error reading in code page " << codePage;
        } catch (const TextConversionError& error) {
            EXPECT_EQ(error.SystemError(), kNoMemory);
        }
        if (codePage == kWestern) {
            EXPECT_THROW(Stored({kAccented}, ansi), TextConversionError);
        }
        // ASCII needs no conversion, so nothing can fail it.
        EXPECT_EQ(Stored({"C:\\a.scr"}, ansi), "C:\\a.scr\r\n");
    }
}

}  // namespace
}  // namespace vr
