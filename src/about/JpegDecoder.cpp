#include "about/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <limits>

#include <jpeglib.h>

namespace vr {
namespace {

// MSVC at /W4 warns of the padding that aligns jmp_buf to 16 bytes on x64 (C4324), which is what
// the alignment is for, and of setjmp beside C++ objects (C4611): DecodeInto keeps only plain
// values in the frame the longjmp unwinds, and the Session that owns libjpeg's memory outlives it.
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4324 4611)
#endif

// libjpeg's default error_exit ends the process. Ours jumps back to the decoder instead, and
// warnings (premature end of data, corrupt segments) count as errors too.
struct ErrorTrap {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void Escape(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->escape, 1);
}

void EscapeOnWarning(j_common_ptr cinfo, int level) {
    if (level < 0) Escape(cinfo);  // level -1 is a warning; higher levels are trace output
}

// Owns the decompressor for the whole decode, so every way out releases libjpeg's memory.
// jpeg_destroy_decompress is harmless on the zeroed struct when creation never ran.
struct Session {
    jpeg_decompress_struct cinfo{};
    ErrorTrap trap{};

    Session() {
        cinfo.err = jpeg_std_error(&trap.base);
        trap.base.error_exit = Escape;
        trap.base.emit_message = EscapeOnWarning;
    }
    ~Session() { jpeg_destroy_decompress(&cinfo); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

// Kept apart from DecodeJpeg so that the longjmp lands in a frame whose only locals are plain
// values: the image lives in the caller and is written only between libjpeg calls.
bool DecodeInto(Session& s, std::span<const std::uint8_t> bytes, Image& image) {
    if (setjmp(s.trap.escape)) return false;
    jpeg_create_decompress(&s.cinfo);
    jpeg_mem_src(&s.cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s.cinfo, TRUE);
    s.cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&s.cinfo);

    const std::uint64_t pixels = std::uint64_t{s.cinfo.output_width} * s.cinfo.output_height;
    if (pixels == 0 || pixels > kMaxJpegPixels) return false;
    const std::size_t stride = std::size_t{s.cinfo.output_width} * 4;
    image.width = static_cast<int>(s.cinfo.output_width);
    image.height = static_cast<int>(s.cinfo.output_height);
    image.bgra.resize(stride * s.cinfo.output_height);

    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        JSAMPROW row = image.bgra.data() + stride * s.cinfo.output_scanline;
        jpeg_read_scanlines(&s.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

#ifdef _MSC_VER
#pragma warning(pop)
#endif

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    // libjpeg takes the length as unsigned long, which is 32 bits on Windows.
    if (bytes.size() > std::numeric_limits<unsigned long>::max()) return std::nullopt;
    Session session;
    Image image;
    if (!DecodeInto(session, bytes, image)) return std::nullopt;
    return image;
}

}  // namespace vr
