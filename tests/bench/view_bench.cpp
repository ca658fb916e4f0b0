// One keystroke from the toolkit's key event to the repainted window, through
// the real view of each window. Offscreen; the repaint is forced at once.
#include "app_modul.h"
#include "dpi/dpi_window.h"
#include "format_window.h"
#include "qt/form_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// Press and release, the way the platform delivers them, then the whole
// window painted and flushed.
void typeAndRepaint(qtview::FormView& view, QLineEdit* field, bool erase) {
    const Qt::Key key = erase ? Qt::Key_Backspace : Qt::Key_5;
    const QString text = erase ? QString(QChar(8)) : QStringLiteral("5");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    view.repaint();
}

void run(benchmark::State& state, qtview::FormView& view, const char* fieldName) {
    auto* field = qobject_cast<QLineEdit*>(view.widgetFor(fieldName));
    if (!field || !field->isVisible()) {
        state.SkipWithError("the field is not shown");
        return;
    }
    field->setFocus();
    field->end(false);
    QApplication::processEvents();
    bool erase = false;
    for (auto _ : state) {
        typeAndRepaint(view, field, erase);
        erase = !erase;
    }
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
BENCHMARK(RastomatKeyToRepaint)->Unit(benchmark::kMicrosecond);

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
BENCHMARK(AspektoKeyToRepaint)->Unit(benchmark::kMicrosecond);

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
