// The JPEG writer: libjpeg's compressor with an error exit that jumps back to a recovery
// point instead of ending the program.
#include "platform/jpeg.h"

#include <csetjmp>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int jpegQuality = 100;

// libjpeg's standard error manager followed by the point to jump back to on a fatal error.
struct JpegErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf recovery;
};

// libjpeg's destination manager with where its full buffers go.
struct TransferDestination : jpeg_destination_mgr {
    const FileTransfer* transfer = nullptr;
    std::vector<JOCTET> buffer = std::vector<JOCTET>(1 << 16);
    bool transferFailed = false;
};

TransferDestination& destinationOf(j_compress_ptr compressor)
{
    return *static_cast<TransferDestination*>(compressor->dest);
}

void startBuffer(j_compress_ptr compressor)
{
    TransferDestination& destination = destinationOf(compressor);
    destination.next_output_byte = destination.buffer.data();
    destination.free_in_buffer = destination.buffer.size();
}

// Hands the first `count` bytes of the buffer on; after a failed transfer the rest of the
// picture is compressed and dropped, so that the library ends as usual.
void transferBuffer(j_compress_ptr compressor, std::size_t count)
{
    TransferDestination& destination = destinationOf(compressor);
    if (!destination.transferFailed && count > 0)
        destination.transferFailed = !(*destination.transfer)({destination.buffer.data(), count});
}

boolean emptyBuffer(j_compress_ptr compressor)
{
    transferBuffer(compressor, destinationOf(compressor).buffer.size());
    startBuffer(compressor);
    return TRUE;
}

void finishBuffer(j_compress_ptr compressor)
{
    TransferDestination& destination = destinationOf(compressor);
    transferBuffer(compressor, destination.buffer.size() - destination.free_in_buffer);
}

// Called by libjpeg on a fatal error: writes the library's message to the standard error
// stream and never returns to the library.
[[noreturn]] void jpegErrorExit(j_common_ptr compressor)
{
    (*compressor->err->output_message)(compressor);
    auto* manager = reinterpret_cast<JpegErrorManager*>(compressor->err);
    std::longjmp(manager->recovery, 1);
}

// Turns one bottom-up BGR row into the RGB scan line libjpeg takes.
void toRgb(const std::uint8_t* bgr, int width, std::uint8_t* rgb)
{
    for (int x = 0; x < width; ++x) {
        rgb[3 * x] = bgr[3 * x + 2];
        rgb[3 * x + 1] = bgr[3 * x + 1];
        rgb[3 * x + 2] = bgr[3 * x];
    }
}

}  // namespace

bool writeJpeg(const FileTransfer& transfer, const std::uint8_t* bottomUpBgr, int width,
               int height, std::size_t rowStride)
{
    std::vector<std::uint8_t> scanLine(3 * static_cast<std::size_t>(width > 0 ? width : 0));
    TransferDestination destination{};
    destination.transfer = &transfer;
    destination.init_destination = startBuffer;
    destination.empty_output_buffer = emptyBuffer;
    destination.term_destination = finishBuffer;
    jpeg_compress_struct compressor{};
    JpegErrorManager errors{};
    compressor.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = jpegErrorExit;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_compress(&compressor);
        return false;
    }
    jpeg_create_compress(&compressor);
    compressor.dest = &destination;
    compressor.image_width = static_cast<JDIMENSION>(width);
    compressor.image_height = static_cast<JDIMENSION>(height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, jpegQuality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        const std::size_t sourceRow = static_cast<std::size_t>(height) - 1 - compressor.next_scanline;
        toRgb(bottomUpBgr + sourceRow * rowStride, width, scanLine.data());
        JSAMPROW row = scanLine.data();
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return !destination.transferFailed;
}
