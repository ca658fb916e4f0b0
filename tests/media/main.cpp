#include <QCoreApplication>

#include <gtest/gtest.h>

// The readers need an application for their plugins and an event loop for
// the asynchronous answers; no display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
