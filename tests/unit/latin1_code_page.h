#pragma once
// Latin-1 stands in for the ANSI code page: bytes 0x80-0xFF are U+0080-U+00FF, nothing beyond.
#include <optional>
#include <string>
#include <string_view>

#include "files/TextEncoding.h"

namespace vr::test {

class Latin1 : public AnsiCodePage {
public:
    std::string ToUtf8(std::string_view ansi) const override {
        std::string out;
        for (unsigned char c : ansi) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        std::string out;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
                out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
            } else {
                return std::nullopt;
            }
        }
        return out;
    }
};

}  // namespace vr::test
