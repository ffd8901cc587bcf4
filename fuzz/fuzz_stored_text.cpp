// Settings and playlist files as they come from disk: which encoding the bytes are taken for and
// what text they give, in a Western ANSI code page and where UTF-8 is the ANSI code page.
// Whatever the bytes, the text is UTF-8 unless the file itself says it is (a UTF-8 byte-order
// mark), reading never fails, and the text written again reads back as itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "fake_code_page_conversions.h"
#include "files/SystemCodePage.h"
#include "files/TextEncoding.h"
#include "latin1_code_page.h"

namespace {

bool IsUtf8(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return vr::IsNonAsciiUtf8(text);
    return true;
}

void Check(std::string_view bytes, const vr::AnsiCodePage& ansi) {
    const std::string text = vr::DecodeStoredText(bytes, ansi);
    FUZZ_CHECK(vr::DecodeStoredText(vr::EncodeStoredText(text, ansi), ansi) == text);
    if (bytes.starts_with(vr::kUtf8Bom)) return;
    FUZZ_CHECK(IsUtf8(text));
    // Bytes that are valid UTF-8 beyond ASCII are taken as UTF-8, so they read as themselves.
    if (vr::IsNonAsciiUtf8(bytes)) FUZZ_CHECK(text == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, vr::test::Latin1());
    vr::test::FakeConversions system;
    for (unsigned codePage : {vr::test::kWestern, vr::kUtf8CodePage}) {
        system.ansiCodePage = codePage;
        Check(bytes, vr::SystemCodePage(system));
    }
    return 0;
}
