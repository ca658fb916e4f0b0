# Writes a DNG shaped as cameras write it: a small RGB preview in the first
# directory and the raw Bayer data, W x H, in its sub-directory.
#   python3 make_dng.py OUT W H [PREVIEW_W PREVIEW_H]
import sys

import numpy
import tifffile

out, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
raw = (numpy.arange(width * height, dtype=numpy.uint16) % 4096).reshape(height, width)
preview_width, preview_height = (int(v) for v in (sys.argv[4:6] or (160, 120)))
preview = numpy.zeros((preview_height, preview_width, 3), dtype=numpy.uint8)
camera = [
    (50706, 'B', 4, (1, 4, 0, 0), True),    # DNGVersion
    (50708, 's', 0, 'Test Camera', True),  # UniqueCameraModel
    (271, 's', 0, 'Test', True),           # Make
    (272, 's', 0, 'Camera', True),         # Model
    (50721, '2i', 9, (1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1), True),  # ColorMatrix1
    (50728, '2I', 3, (1, 1, 1, 1, 1, 1), True),  # AsShotNeutral
]
bayer = [
    (33421, 'H', 2, (2, 2), True),         # CFARepeatPatternDim
    (33422, 'B', 4, (0, 1, 1, 2), True),   # CFAPattern: RGGB
    (50717, 'I', 1, 4095, True),           # WhiteLevel
]
with tifffile.TiffWriter(out) as tif:
    tif.write(preview, photometric='rgb', subfiletype=1, subifds=1, extratags=camera)
    tif.write(raw, photometric=32803, subfiletype=0, extratags=bayer)
