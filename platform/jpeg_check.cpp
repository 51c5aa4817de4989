// Whether a JPEG file holds its whole picture: the picture loader fills a file cut short with
// grey and reports nothing.
#include "platform/jpeg_check.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace {

struct CheckingErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf recovery;
    bool ranOut = false;  // the source reached the file's end early
};

[[noreturn]] void stopOnError(j_common_ptr decompressor)
{
    std::longjmp(reinterpret_cast<CheckingErrorManager*>(decompressor->err)->recovery, 1);
}

// Counts the warnings (level -1) as libjpeg's own handler does, without printing them, and
// notes the one the source gives when the data runs out (it then feeds an end marker).
void countWarnings(j_common_ptr decompressor, int level)
{
    if (level >= 0)
        return;
    ++decompressor->err->num_warnings;
    if (decompressor->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<CheckingErrorManager*>(decompressor->err)->ranOut = true;
}

}  // namespace

bool looksLikeJpeg(const std::vector<std::uint8_t>& bytes)
{
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

JpegCondition jpegCondition(const std::vector<std::uint8_t>& bytes)
{
    jpeg_decompress_struct decompressor{};
    CheckingErrorManager errors{};
    decompressor.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = stopOnError;
    errors.standard.emit_message = countWarnings;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&decompressor);
        return errors.ranOut ? JpegCondition::cutShort : JpegCondition::damaged;
    }
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor, TRUE);
    decompressor.scale_num = 1;
    decompressor.scale_denom = 8;
    jpeg_start_decompress(&decompressor);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(decompressor.output_width) *
                             decompressor.output_components);
    JSAMPROW rows[1] = {row.data()};
    while (decompressor.output_scanline < decompressor.output_height)
        jpeg_read_scanlines(&decompressor, rows, 1);
    jpeg_finish_decompress(&decompressor);
    const long warnings = errors.standard.num_warnings;
    jpeg_destroy_decompress(&decompressor);
    if (errors.ranOut)
        return JpegCondition::cutShort;
    return warnings == 0 ? JpegCondition::whole : JpegCondition::damaged;
}
