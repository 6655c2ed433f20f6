// Throughput of stream encryption and the cost of one short string.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "pdf/security/pdf_encryption.hpp"

namespace slidemint {
namespace {

TvePDFEncryption Handler(TvePDFEncryptionLevel level) {
    TvePDFEncryptionSettings settings;
    settings.Enabled = true;
    settings.Level = level;
    settings.UserPassword = "reader";
    settings.OwnerPassword = "owner";
    return TvePDFEncryption("/out/deckpdf", "D:20240131120000+01'00'", settings);
}

void EncryptStream64MiB(benchmark::State& state) {
    const auto handler = Handler(static_cast<TvePDFEncryptionLevel>(state.range(0)));
    std::vector<std::uint8_t> stream(64u << 20);
    for (std::size_t i = 0; i < stream.size(); ++i) stream[i] = static_cast<std::uint8_t>(i * 31);
    for (auto _ : state) {
        handler.EncryptStream(stream, 7);
        benchmark::DoNotOptimize(stream.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(EncryptStream64MiB)
    ->Arg(static_cast<int>(TvePDFEncryptionLevel::el40bit))
    ->Arg(static_cast<int>(TvePDFEncryptionLevel::el128bit))
    ->Unit(benchmark::kMillisecond);

void EncryptShortString(benchmark::State& state) {
    const auto handler = Handler(TvePDFEncryptionLevel::el128bit);
    int object = 6;
    for (auto _ : state) benchmark::DoNotOptimize(handler.EncryptString("Korvella Pressline V2.1", ++object));
}
BENCHMARK(EncryptShortString);

void ConstructHandler(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Handler(TvePDFEncryptionLevel::el128bit));
}
BENCHMARK(ConstructHandler);

}  // namespace
}  // namespace slidemint
