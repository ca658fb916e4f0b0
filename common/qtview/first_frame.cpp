#include "common/qtview/first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace qtview {
namespace {

long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

void report(QSize size) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "first-frame ns=%lld width=%d height=%d rss-kb=%ld hwm-kb=%ld\n",
                 static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, size.width(),
                 size.height(), statusKb("VmRSS:"), statusKb("VmHWM:"));
    std::fflush(stderr);
}

class FirstFrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow()) {
            seen_ = true;
            const QSize size = static_cast<QWidget*>(object)->size();
            // Queued: the window's children and the flush complete first.
            QMetaObject::invokeMethod(
                this,
                [this, size] {
                    report(size);
                    // The frame may come while start-up runs its own event
                    // processing; keep asking until the main loop ends.
                    auto* quit = new QTimer(this);
                    connect(quit, &QTimer::timeout, qApp, &QCoreApplication::quit);
                    quit->start(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

void watchFirstFrame() {
    if (qEnvironmentVariableIsEmpty("CALC_QUIT_AFTER_FIRST_FRAME") || !qApp) return;
    qApp->installEventFilter(new FirstFrameWatch(qApp));
}

} // namespace qtview
