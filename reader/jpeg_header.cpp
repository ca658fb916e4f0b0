#include "reader/format_readers.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
// libjpeg's header needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace media::reader {

namespace {

// libjpeg ends the process on an error unless the handler jumps back.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

// The bytes in memory as a suspending source: at their end libjpeg stops
// where it is, instead of reading a made-up end marker into a half-read
// segment.
void nothingToDo(j_decompress_ptr) {}
boolean suspend(j_decompress_ptr) {
    return FALSE;
}
void skipBytes(j_decompress_ptr info, long count) {
    jpeg_source_mgr& source = *info->src;
    if (count <= 0) return;
    const auto skipped = std::min(static_cast<std::size_t>(count), source.bytes_in_buffer);
    source.next_input_byte += skipped;
    source.bytes_in_buffer -= skipped;
}

// Kept apart so that no local of the caller lives across setjmp. -1 on an
// error, else what jpeg_read_header says.
int readHeader(jpeg_decompress_struct& info, ErrorJump& errors) {
    if (setjmp(errors.jump)) return -1;
    return jpeg_read_header(&info, TRUE);
}

bool isFrameHeader(int marker) {
    // SOF0 to SOF15, except DHT, JPG and DAC, which share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

HeaderFacts jpegHeader(Bytes bytes) {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = stayQuiet;
    jpeg_create_decompress(&info);
    jpeg_source_mgr source{};
    source.next_input_byte = bytes.data;
    source.bytes_in_buffer = bytes.size;
    source.init_source = nothingToDo;
    source.fill_input_buffer = suspend;
    source.skip_input_data = skipBytes;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = nothingToDo;
    info.src = &source;
    const int read = readHeader(info, errors);
    HeaderFacts facts;
    facts.readBytes = bytes.size - source.bytes_in_buffer;
    // Cut short, libjpeg suspends and keeps every segment it read whole: the
    // frame header is whole once its components are known and libjpeg has
    // gone on to another segment. A broken file gives nothing.
    const bool cutAfterFrame =
        read == JPEG_SUSPENDED && info.comp_info != nullptr && !isFrameHeader(info.unread_marker);
    if (read == JPEG_HEADER_OK || cutAfterFrame) {
        facts.width = info.image_width;
        facts.height = info.image_height;
    }
    // Density unit 1 is dots per inch, 2 dots per centimetre; 0 gives only
    // the pixels' aspect ratio.
    if (read >= 0 && info.saw_JFIF_marker && info.X_density > 0 &&
        (info.density_unit == 1 || info.density_unit == 2))
        facts.resolution = RecordedResolution{
            static_cast<double>(info.X_density), static_cast<double>(info.Y_density),
            info.density_unit == 1 ? RawPicture::Unit::PerInch : RawPicture::Unit::PerCentimetre};
    jpeg_destroy_decompress(&info);
    return facts;
}

} // namespace media::reader
