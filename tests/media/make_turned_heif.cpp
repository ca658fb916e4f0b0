// Writes a grey HEIC of W x H stored pixels that viewers show turned by a
// quarter: libheif records the turn in the file (heif-enc has no option).
//   make_turned_heif OUT W H
#include <libheif/heif.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    heif_init(nullptr);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    if (heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code)
        return 1;
    heif_encoder_set_lossy_quality(encoder, 10);
    heif_image* image = nullptr;
    heif_image_create(width, height, heif_colorspace_monochrome, heif_chroma_monochrome, &image);
    heif_image_add_plane(image, heif_channel_Y, width, height, 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_Y, &stride);
    std::memset(plane, 128, static_cast<std::size_t>(stride) * height);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation_rotate_90_cw;
    const bool written =
        !heif_context_encode_image(context, image, encoder, options, nullptr).code &&
        !heif_context_write_to_file(context, argv[1]).code;
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    heif_deinit();
    return written ? 0 : 1;
}
