#include "files/SystemCodePage.h"

#include <gtest/gtest.h>

#include "files/TextLines.h"

namespace vr {
namespace {

constexpr unsigned kWestern = 1252;
constexpr unsigned kInvalidFlags = 1004;  // ERROR_INVALID_FLAGS
constexpr unsigned kNoMemory = 8;         // ERROR_NOT_ENOUGH_MEMORY

// The system's conversions as Windows documents them, for two ANSI code pages: 1252 (Latin-1
// stands in for it) and UTF-8, where the strict conversion is refused. `failing` makes every
// call fail as a system short of memory does.
class FakeConversions final : public CodePageConversions {
public:
    unsigned ansiCodePage = kWestern;
    bool failing = false;
    mutable int calls = 0;

    unsigned AnsiCodePage() const override { return ansiCodePage; }

    std::optional<std::string> ToUtf8(unsigned codePage, std::string_view bytes) const override {
        ++calls;
        if (failing) return Fail(kNoMemory);
        if (codePage == kUtf8CodePage) return Utf8WithReplacement(bytes);
        std::string out;
        for (unsigned char c : bytes) {
            if (c >= 0x80) out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(c < 0x80 ? c : 0x80 | (c & 0x3F));
        }
        return out;
    }

    std::optional<Encoded> FromUtf8(unsigned codePage, std::string_view utf8, bool strict) const override {
        ++calls;
        if (failing) return Fail(kNoMemory);
        if (codePage == kUtf8CodePage) {
            if (strict) return Fail(kInvalidFlags);
            return Encoded{std::string(utf8), false};
        }
        Encoded out;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                out.bytes += static_cast<char>(c);
            } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
                out.bytes +=
                    static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
            } else {
                out.bytes += '?';
                out.usedDefault = true;
                while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
            }
        }
        return out;
    }

    unsigned LastError() const override { return lastError; }

private:
    std::nullopt_t Fail(unsigned error) const {
        lastError = error;
        return std::nullopt;
    }
    static std::string Utf8WithReplacement(std::string_view bytes) {
        std::string out;
        for (unsigned char c : bytes) out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "\xEF\xBF\xBD";
        return out;
    }

    mutable unsigned lastError = 0;
};

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
