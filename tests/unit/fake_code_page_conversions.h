#pragma once
// The system's code page conversions faked, for the code page rules' tests and fuzz target.
#include <optional>
#include <string>
#include <string_view>

#include "files/SystemCodePage.h"

namespace vr::test {

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

}  // namespace vr::test
