#include "SaverCommandLine.h"

namespace kit {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view SkipBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::uintptr_t ReadHandle(std::wstring_view text) {
    while (!text.empty() && (IsBlank(text.front()) || text.front() == L':')) text.remove_prefix(1);
    std::uintptr_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        value = value * 10 + static_cast<std::uintptr_t>(c - L'0');
    }
    return value;
}

}  // namespace

std::wstring_view ArgumentsAfterProgram(std::wstring_view commandLine) {
    std::wstring_view rest = SkipBlanks(commandLine);
    if (!rest.empty() && rest.front() == L'"') {
        const auto close = rest.find(L'"', 1);
        rest = close == std::wstring_view::npos ? std::wstring_view{} : rest.substr(close + 1);
    } else {
        std::size_t end = 0;
        while (end < rest.size() && !IsBlank(rest[end])) ++end;
        rest.remove_prefix(end);
    }
    return SkipBlanks(rest);
}

SaverCommand ParseSaverArguments(std::wstring_view arguments) {
    std::wstring_view text = SkipBlanks(arguments);
    if (text.size() < 2 || (text.front() != L'/' && text.front() != L'-')) return {};
    const wchar_t letter = static_cast<wchar_t>(text[1] | 0x20);  // ASCII lower case
    const std::uintptr_t window = ReadHandle(text.substr(2));
    switch (letter) {
    case L's': return {Mode::FullScreen, 0};
    case L'p':
    case L'l': return {Mode::Preview, window};
    case L'c': return {Mode::Configure, window};
    default: return {Mode::Unsupported, 0};
    }
}

const wchar_t* ModeName(Mode mode) {
    switch (mode) {
    case Mode::Preview: return L"preview";
    case Mode::FullScreen: return L"fullscreen";
    case Mode::Configure: return L"configure";
    case Mode::Unsupported: break;
    }
    return L"unsupported";
}

}  // namespace kit
