#pragma once
// How the stored text files (settings, playlists) are read and written. Inside the program all
// text is UTF-8. Files are read as ANSI, as every earlier version wrote them, unless they say
// otherwise: a UTF-8 or UTF-16 byte-order mark, or text that is valid UTF-8 and uses it. They
// are written as ANSI whenever every character has an ANSI form and those bytes read back as the
// same text, so older versions and other programs keep reading them, and otherwise as UTF-8 with
// a byte-order mark, so no name is lost or read as another.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vr {

// A conversion the system refused; never taken for an empty or shorter text.
class TextConversionError : public std::runtime_error {
public:
    explicit TextConversionError(unsigned systemError)
        : std::runtime_error("text conversion failed"), systemError_(systemError) {}
    unsigned SystemError() const { return systemError_; }

private:
    unsigned systemError_;
};

// The system's ANSI code page (SystemCodePage.h); unit tests fake one. Both conversions throw
// TextConversionError when the system fails them.
class AnsiCodePage {
public:
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
    // Nothing when a character has no form in the code page.
    virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;

protected:
    ~AnsiCodePage() = default;
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A stored file's bytes as UTF-8 text.
std::string DecodeStoredText(std::string_view bytes, const AnsiCodePage& ansi);
// UTF-8 text as the bytes to store: bytes that DecodeStoredText reads back as the same text.
std::string EncodeStoredText(std::string_view utf8, const AnsiCodePage& ansi);

// Valid UTF-8 (no overlong forms, no surrogates) with at least one character beyond ASCII.
bool IsNonAsciiUtf8(std::string_view bytes);

}  // namespace vr
