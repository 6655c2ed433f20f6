// Throughput of the PDF writer's skeleton: documents of empty pages written
// to memory, with and without Flate compression of the content streams.
#include <benchmark/benchmark.h>

#include "engine/byte_sink.hpp"
#include "pdf/pdf_engine.hpp"
#include "platform/system_environment.hpp"

namespace slidemint {
namespace {

void WriteEmptyPages(benchmark::State& state) {
    SystemEnvironment::current().setFixedNow({2024, 3, 9, 7, 5, 4, 0});
    SystemEnvironment::current().setTimeZoneBiasMinutes(-60);
    SystemEnvironment::current().setScreenPPI(96);
    const int pages = static_cast<int>(state.range(0));
    TvePDFEngine engine;
    engine.Preferences().SetShowSetupDialog(false);
    engine.Preferences().SetOpenAfterCreate(false);
    engine.Preferences().SetOutputToUserStream(true);
    engine.Compression().Enabled = state.range(1) != 0;
    MemoryByteSink sink;
    engine.SetUserStream(&sink);
    for (auto _ : state) {
        sink.clear();
        engine.BeginDoc();
        for (int page = 1; page < pages; ++page) engine.NewPage();
        engine.EndDoc();
        benchmark::DoNotOptimize(sink.bytes().data());
    }
    state.counters["pages_per_second"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["bytes_per_page"] = static_cast<double>(sink.bytes().size()) / pages;
}

BENCHMARK(WriteEmptyPages)
    ->ArgNames({"pages", "compressed"})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slidemint
