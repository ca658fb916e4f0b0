#include "common/media/media_reader.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The readers need an application and an event loop for the asynchronous
// answers, and the picture reader this build made; no display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    media::MediaReader::setPictureReader(QStringLiteral(CALC_TEST_PICTURE_READER));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
