#pragma once

namespace qtview {

// Fusion draws a group box's frame from a small PNG in Qt's resources,
// through QPixmap's file loader. That loader first asks every installed
// image-format plugin whether it reads the file, so the first painted frame
// loads all of them (and libtiff, libwebp, libmng, ...) into a window that
// reads no picture. Reading the PNG once with the built-in reader and
// leaving it in the pixmap cache, under the key the loader looks up first,
// gives the same pixels without a plugin. Call once a group box exists;
// later calls do nothing.
void preloadGroupBoxFrame();

} // namespace qtview
