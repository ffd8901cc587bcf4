#include "platform/Unicode_win.h"

namespace vr {
namespace {

// Converts through one code page; a character without a form there leaves usedDefault true.
std::string FromWide(UINT codePage, std::wstring_view wide, BOOL* usedDefault) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, nullptr, usedDefault);
    return out;
}

// One call, not a measuring one first: no code page makes more UTF-16 units than it has bytes.
void ToWideInto(std::wstring& out, UINT codePage, std::string_view text) {
    const int size = static_cast<int>(text.size());
    out.resize(text.size());
    if (size)
        out.resize(
            static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), size)));
}

std::wstring ToWide(UINT codePage, std::string_view text) {
    std::wstring out;
    ToWideInto(out, codePage, text);
    return out;
}

class SystemAnsi final : public AnsiCodePage {
public:
    std::string ToUtf8(std::string_view ansi) const override { return Utf8(ToWide(CP_ACP, ansi)); }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        BOOL usedDefault = FALSE;
        std::string ansi = FromWide(CP_ACP, Wide(utf8), &usedDefault);
        if (usedDefault) return std::nullopt;
        return ansi;
    }
};

}  // namespace

std::wstring Wide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

void WideInto(std::wstring& out, std::string_view utf8) { ToWideInto(out, CP_UTF8, utf8); }

std::string Utf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide, nullptr); }

std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring_view(wide)) : std::string(); }

std::wstring FilePath(std::string_view utf8) {
    std::wstring path = Wide(utf8);
    // Room for the ".tmp~" a save adds; "\\?\" takes only absolute paths with backslashes.
    constexpr std::size_t kRoomForTemporary = 12;
    const bool drive = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    if (path.size() + kRoomForTemporary >= MAX_PATH && drive) path.insert(0, L"\\\\?\\");
    return path;
}

const AnsiCodePage& SystemAnsiCodePage() {
    static const SystemAnsi codePage;
    return codePage;
}

}  // namespace vr
