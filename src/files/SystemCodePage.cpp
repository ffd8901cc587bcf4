#include "files/SystemCodePage.h"

namespace vr {

std::string SystemCodePage::ToUtf8(std::string_view ansi) const {
    if (ansi.empty()) return {};
    std::optional<std::string> text = system_.ToUtf8(system_.AnsiCodePage(), ansi);
    if (!text || text->empty()) throw TextConversionError(system_.LastError());
    return std::move(*text);
}

std::optional<std::string> SystemCodePage::FromUtf8(std::string_view utf8) const {
    if (utf8.empty()) return std::string();
    const unsigned codePage = system_.AnsiCodePage();
    if (codePage == kUtf8CodePage) return std::string(utf8);
    const std::optional<CodePageConversions::Encoded> encoded = system_.FromUtf8(codePage, utf8, true);
    if (!encoded || encoded->bytes.empty()) throw TextConversionError(system_.LastError());
    if (encoded->usedDefault) return std::nullopt;
    return encoded->bytes;
}

}  // namespace vr
