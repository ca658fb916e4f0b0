#include "common/typing/typing.h"
#include "dpi/dpi_window.h"

#include <benchmark/benchmark.h>

// One keystroke in the height in pixels, print mode, lock on: the editing
// run with its three nested follow-up runs and four file-size estimates.
// Keystrokes alternate between Backspace and a digit, so every iteration is
// one full cascade on a three- or four-digit height.
static void KeystrokeCascade(benchmark::State& state) {
    dpi::DpiWindow window;
    auto& form = window.form();
    form.show();
    form.userClick(form.control("Option2"));
    auto& height = form.control("Text1");
    height.setSelection(3, 0);
    bool erase = false;
    for (auto _ : state) {
        typing::type(form, height, erase ? 8 : '5');
        erase = !erase;
    }
    benchmark::DoNotOptimize(form.control("Label12").caption().data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(KeystrokeCascade);

BENCHMARK_MAIN();
