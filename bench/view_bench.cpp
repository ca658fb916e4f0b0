// One keystroke from the toolkit's key event to the repainted window, through
// the real view of each window, offscreen.
#include "common/qtview/form_view.h"
#include "common/qtview/toolkit.h"
#include "dpi/dpi_window.h"
#include "format/app_modul.h"
#include "format/format_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// Counts the paint events of the view's widgets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Press and release, the way the platform delivers them. Then either the
// toolkit repaints what the keystroke changed, as in the running program, or
// the whole window is painted and flushed at once.
bool typeAndRepaint(qtview::FormView& view, QLineEdit* field, bool erase, bool wholeWindow,
                    const PaintCounter& counter) {
    const int before = counter.paints;
    const Qt::Key key = erase ? Qt::Key_Backspace : Qt::Key_5;
    const QString text = erase ? QString(QChar(8)) : QStringLiteral("5");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    if (wholeWindow)
        view.repaint();
    else
        QApplication::processEvents();
    return counter.paints > before;
}

// range(0): 0 repaints what changed, 1 the whole window.
void run(benchmark::State& state, qtview::FormView& view, const char* fieldName) {
    auto* field = qobject_cast<QLineEdit*>(view.widgetFor(fieldName));
    if (!field || !field->isVisible()) {
        state.SkipWithError("the field is not shown");
        return;
    }
    field->setFocus();
    field->end(false);
    QApplication::processEvents();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    const bool wholeWindow = state.range(0) == 1;
    bool erase = false;
    bool painted = true;
    for (auto _ : state) {
        painted = typeAndRepaint(view, field, erase, wholeWindow, counter) && painted;
        erase = !erase;
    }
    qApp->removeEventFilter(&counter);
    if (!painted) state.SkipWithError("a keystroke was not repainted");
    state.SetItemsProcessed(state.iterations());
}

// Print mode, lock on, the height in pixels: the longest cascade.
void RastomatKeyToRepaint(benchmark::State& state) {
    dpi::DpiWindow window;
    qtview::FormView view(window.form());
    window.form().show();
    window.form().userClick(window.form().control("Option2"));
    QApplication::processEvents();
    run(state, view, "Text1");
}
BENCHMARK(RastomatKeyToRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void AspektoKeyToRepaint(benchmark::State& state) {
    format::FormatWindow window;
    qtview::FormView view(window.form());
    if (!format::Main(window, {})) {
        state.SkipWithError("the window did not start");
        return;
    }
    QApplication::processEvents();
    run(state, view, "Text1");
}
BENCHMARK(AspektoKeyToRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qtview::connectToolkit();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
