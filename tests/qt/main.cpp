#include "common/media/media_reader.h"

#include <QApplication>

#include <gtest/gtest.h>

// One application for every test of the binary; the view runs offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Dropped pictures are read by the reader this build made.
    media::MediaReader::setPictureReader(QStringLiteral(CALC_TEST_PICTURE_READER));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
