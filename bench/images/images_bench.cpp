// A hundred different 1024 x 768 slide bitmaps: encoded as JPEG at quality
// 100 by libjpeg-turbo alone, and written as a hundred full-page images of a
// PDF through AddImage / DrawImage. Each run reports the process's peak
// resident memory; run one benchmark per process to compare them. Both hold
// the hundred bitmaps in memory: the first in its own list, the second in the
// engine's image list, which keeps every registered picture until EndDoc.
#include "pdf/pdf_engine.hpp"
#include "platform/imaging/jpeg_codec.hpp"
#include "platform/system_environment.hpp"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <vector>

namespace slidemint {
namespace {

constexpr int kSlides = 100;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Smooth colour fields that differ from slide to slide, plus a few bars of
// text-like detail.
Bitmap slide(int index) {
    Bitmap bitmap(kWidth, kHeight, PixelFormat::Bgr24);
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = bitmap.scanLine(y);
        for (int x = 0; x < kWidth; ++x, row += 3) {
            bool detail = (y / 12) % 6 == index % 6 && ((x * 7 + y * 3 + index) % 23) < 9;
            row[0] = static_cast<std::uint8_t>(detail ? 20 : (x + index * 13) / 5);
            row[1] = static_cast<std::uint8_t>(detail ? 20 : (y + index * 29) / 4);
            row[2] = static_cast<std::uint8_t>(detail ? 20 : 128 + ((x ^ y) & 63) + index);
        }
    }
    return bitmap;
}

const std::vector<Bitmap>& slides() {
    static const std::vector<Bitmap> all = [] {
        std::vector<Bitmap> made;
        for (int i = 0; i < kSlides; ++i) made.push_back(slide(i));
        return made;
    }();
    return all;
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void JpegEncodeAlone(benchmark::State& state) {
    const auto& bitmaps = slides();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const Bitmap& bitmap : bitmaps) bytes += encodeJpeg(bitmap, 100).size();
        benchmark::DoNotOptimize(bytes);
    }
    reportPeakMemory(state);
}
BENCHMARK(JpegEncodeAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

// Each slide is made just before it is handed to the engine and dropped
// after, as the converter does with the bitmaps it loads, so the engine's
// image list holds the only copies; making them is not timed.
void WriterFullPageImages(benchmark::State& state) {
    SystemEnvironment::current().setScreenPPI(96);
    auto file = std::filesystem::temp_directory_path() / "slidemint_images_bench.pdf";
    for (auto _ : state) {
        TvePDFEngine engine;
        engine.Preferences().SetShowSetupDialog(false);
        engine.Preferences().SetOpenAfterCreate(false);
        engine.SetFileName(file.string());
        engine.SetMeasurementUnit(muPixels);
        engine.InputXRes = 96;
        engine.InputYRes = 96;
        engine.Page().SetPaperSize(TvePaperSize::Custom);
        engine.Page().SetWidth(kWidth);
        engine.Page().SetHeight(kHeight);
        engine.ImageSettings().SetOutputImageFormat(ifJPEG);
        engine.BeginDoc();
        for (int i = 0; i < kSlides; ++i) {
            state.PauseTiming();
            TBitmap picture(slide(i));
            state.ResumeTiming();
            engine.DrawImage({0, 0, kWidth, kHeight}, engine.AddImage(picture));
            if (i + 1 < kSlides) engine.NewPage();
        }
        engine.EndDoc();
        state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    }
    std::filesystem::remove(file);
    reportPeakMemory(state);
}
BENCHMARK(WriterFullPageImages)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace slidemint

BENCHMARK_MAIN();
