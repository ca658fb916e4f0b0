// The reference for start-up time and memory: one empty window of a given
// size, nothing else. With "label" it shows one line of text as well, which
// shows what the toolkit's fonts alone cost.
#include "common/qtview/first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(argc > 2 ? std::atoi(argv[1]) : 320, argc > 2 ? std::atoi(argv[2]) : 240);
    if (argc > 3 && std::strcmp(argv[3], "label") == 0)
        (new QLabel(QStringLiteral("Proportionen erhalten"), &window))->move(8, 8);
    qtview::watchFirstFrame();
    window.show();
    return app.exec();
}
