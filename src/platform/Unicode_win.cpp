#include "platform/Unicode_win.h"

#include <algorithm>

#include "files/SystemCodePage.h"

namespace vr {
namespace {

unsigned FailureCode() { return GetLastError() ? GetLastError() : ERROR_NO_UNICODE_TRANSLATION; }

// Converts through one code page; nothing when the system refuses.
std::optional<std::string> FromWide(UINT codePage, std::wstring_view wide, DWORD flags, BOOL* usedDefault) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length <= 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, nullptr, usedDefault) !=
        length)
        return std::nullopt;
    return out;
}

// One call, not a measuring one first: no code page makes more UTF-16 units than it has bytes.
// False when the system refuses.
bool ToWideInto(std::wstring& out, UINT codePage, std::string_view text) {
    const int size = static_cast<int>(text.size());
    out.resize(text.size());
    if (size == 0) return true;
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), size);
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length > 0;
}

// The system's conversions, each checked.
class Win32Conversions final : public CodePageConversions {
public:
    unsigned AnsiCodePage() const override { return GetACP(); }

    std::optional<std::string> ToUtf8(unsigned codePage, std::string_view bytes) const override {
        std::wstring wide;
        if (!ToWideInto(wide, codePage, bytes)) return Failed();
        std::optional<std::string> text = FromWide(CP_UTF8, wide, 0, nullptr);
        return text ? text : Failed();
    }

    std::optional<Encoded> FromUtf8(unsigned codePage, std::string_view utf8, bool strict) const override {
        std::wstring wide;
        if (!ToWideInto(wide, CP_UTF8, utf8)) return Failed();
        BOOL usedDefault = FALSE;
        std::optional<std::string> bytes =
            FromWide(codePage, wide, strict ? WC_NO_BEST_FIT_CHARS : 0, strict ? &usedDefault : nullptr);
        if (!bytes) return Failed();
        return Encoded{std::move(*bytes), usedDefault != FALSE};
    }

    unsigned LastError() const override { return lastError_; }

private:
    std::nullopt_t Failed() const {
        lastError_ = FailureCode();
        return std::nullopt;
    }

    mutable unsigned lastError_ = 0;
};

}  // namespace

std::wstring Wide(std::string_view utf8) {
    std::wstring out;
    WideInto(out, utf8);
    return out;
}

void WideInto(std::wstring& out, std::string_view utf8) {
    if (!ToWideInto(out, CP_UTF8, utf8)) throw TextConversionError(FailureCode());
}

std::string Utf8(std::wstring_view wide) {
    std::optional<std::string> text = FromWide(CP_UTF8, wide, 0, nullptr);
    if (!text) throw TextConversionError(FailureCode());
    return std::move(*text);
}

std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring_view(wide)) : std::string(); }

std::wstring FilePath(std::string_view utf8) {
    std::wstring path = Wide(utf8);
    // Room for the ".<process>-<save>.tmp~" a save adds; "\\?\" takes only absolute paths with
    // backslashes.
    constexpr std::size_t kRoomForTemporary = 28;
    const bool drive = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    if (path.size() + kRoomForTemporary >= MAX_PATH && drive) path.insert(0, L"\\\\?\\");
    return path;
}

const AnsiCodePage& SystemAnsiCodePage() {
    static const Win32Conversions system;
    static const SystemCodePage codePage(system);
    return codePage;
}

}  // namespace vr
