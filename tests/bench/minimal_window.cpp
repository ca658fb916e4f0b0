// The reference for start-up time and memory: one empty window of a given
// size, nothing else.
#include "qt/first_frame.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(argc > 2 ? std::atoi(argv[1]) : 320, argc > 2 ? std::atoi(argv[2]) : 240);
    qtview::watchFirstFrame();
    window.show();
    return app.exec();
}
