#include "common/typing/typing.h"
#include "format/app_modul.h"
#include "format/format_window.h"

#include <benchmark/benchmark.h>

// One typed digit in the height, the proportions locked as at start: the
// change handler recomputes the width. Keystrokes alternate between a digit
// and Backspace, so every iteration is one full cascade on a three- or
// four-digit height.
static void KeystrokeCascade(benchmark::State& state) {
    format::FormatWindow window;
    if (!format::Main(window, {})) {
        state.SkipWithError("the window did not start");
        return;
    }
    auto& form = window.form();
    auto& height = form.control("Text1");
    form.userFocus(height);
    height.setSelection(static_cast<int>(height.text().size()), 0);
    bool erase = false;
    for (auto _ : state) {
        typing::type(form, height, erase ? 8 : '5');
        erase = !erase;
    }
    benchmark::DoNotOptimize(form.control("Text2").text().data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(KeystrokeCascade);

BENCHMARK_MAIN();
