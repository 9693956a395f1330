// What a log line costs the console once its output is full (the usual state
// of a long session): every log entry and script print goes through Print.
#include <benchmark/benchmark.h>

#include "engine/Console.h"

namespace {

void BM_ConsolePrintWhenFull(benchmark::State& state) {
    qor::cConsole console(1024, 768, 384);
    for (size_t i = 0; i < qor::cConsole::kMaxLines; ++i)
        console.Print(u"^7cTexture^6: ^6a line that fills the console's output\n");
    for (auto _ : state)
        console.Print(u"^7cGame^6: ^6Set focus to widget with name 'loading'.\n");
}
BENCHMARK(BM_ConsolePrintWhenFull);

}  // namespace

BENCHMARK_MAIN();
