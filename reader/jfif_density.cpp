#include "reader/format_readers.h"

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

// Kept apart so that no local of the caller lives across setjmp.
bool readHeader(jpeg_decompress_struct& info, ErrorJump& errors) {
    if (setjmp(errors.jump)) return false;
    jpeg_read_header(&info, TRUE);
    return true;
}

} // namespace

std::optional<RecordedResolution> jfifDensity(Bytes bytes) {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = stayQuiet;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data, static_cast<unsigned long>(bytes.size));
    std::optional<RecordedResolution> result;
    // Density unit 1 is dots per inch, 2 dots per centimetre; 0 gives only
    // the pixels' aspect ratio.
    if (readHeader(info, errors) && info.saw_JFIF_marker && info.X_density > 0 &&
        (info.density_unit == 1 || info.density_unit == 2))
        result = RecordedResolution{
            static_cast<double>(info.X_density), static_cast<double>(info.Y_density),
            info.density_unit == 1 ? RawPicture::Unit::PerInch : RawPicture::Unit::PerCentimetre};
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace media::reader
