#pragma once

// The one entry point of the Exiv2 module (libcalc_exif.so), which the
// programs load only when they read a picture. 1 when the file records a
// resolution: x, y and the unit (a RawPicture::Unit); 0 when it records none
// or its metadata cannot be read.
extern "C" int calc_exif_resolution(const char* path, double* x, double* y, int* unit);
