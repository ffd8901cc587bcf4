#pragma once
// The system's ANSI code page as the stored files use it. Where the user (or an organisation)
// has made UTF-8 the ANSI code page, a text's ANSI form is its UTF-8: the system refuses there
// the strict conversion asked of other code pages, and a refusal must never pass for an empty
// text.
#include <optional>
#include <string>
#include <string_view>

#include "files/TextEncoding.h"

namespace vr {

inline constexpr unsigned kUtf8CodePage = 65001;

// The system's own conversions between a code page and UTF-16, with UTF-8 on this side; Win32
// implements them, unit tests fake them. Each gives nothing when the system refuses, and then
// LastError tells why.
class CodePageConversions {
public:
    struct Encoded {
        std::string bytes;
        bool usedDefault = false;  // a character had no form and was replaced
    };
    virtual unsigned AnsiCodePage() const = 0;
    virtual std::optional<std::string> ToUtf8(unsigned codePage, std::string_view bytes) const = 0;
    // strict: no best-fit look-alikes, and tell when a character had no form.
    virtual std::optional<Encoded> FromUtf8(unsigned codePage, std::string_view utf8, bool strict) const = 0;
    virtual unsigned LastError() const = 0;

protected:
    ~CodePageConversions() = default;
};

class SystemCodePage final : public AnsiCodePage {
public:
    explicit SystemCodePage(const CodePageConversions& system) : system_(system) {}
    std::string ToUtf8(std::string_view ansi) const override;
    std::optional<std::string> FromUtf8(std::string_view utf8) const override;

private:
    const CodePageConversions& system_;
};

}  // namespace vr
