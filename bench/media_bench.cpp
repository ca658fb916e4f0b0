// Reading a 50-megapixel picture's facts from a JPEG, a PNG and a TIFF:
// header and metadata only, so a few milliseconds and no pixel buffer,
// however large the file. Besides the time, each benchmark reports the
// extra peak resident memory of one read (extra_peak_MiB); before them, the
// first read of each file in the process is measured too: the very first
// also loads the image plugins and sets up Exiv2.
#include "common/media/picture_reader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

QTemporaryDir* folder = nullptr;

// A field of /proc/self/status in KiB.
long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
    return -1;
}

// The peak resident memory above the current, in MiB, while reading once.
double extraPeakMiB(const QString& path) {
    // Writing 5 resets the peak resident size (VmHWM) to the current one.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKiB("VmRSS:");
    benchmark::DoNotOptimize(media::readPicture(path));
    return static_cast<double>(statusKiB("VmHWM:") - before) / 1024;
}

void ReadPicture(benchmark::State& state, const char* name) {
    const QString path = folder->filePath(name);
    const double warm = extraPeakMiB(path);
    const media::ReadResult result = media::readPicture(path);
    if (!result.facts) {
        state.SkipWithError(result.reason.c_str());
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(media::readPicture(path));
    state.counters["extra_peak_MiB"] = warm;
    state.counters["file_MiB"] = static_cast<double>(QFileInfo(path).size()) / (1024 * 1024);
}

BENCHMARK_CAPTURE(ReadPicture, jpeg, "big.jpg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReadPicture, png, "big.png")->Unit(benchmark::kMillisecond)->UseRealTime();
// Without pHYs the reader still stops where the pixels begin.
BENCHMARK_CAPTURE(ReadPicture, png_without_pHYs, "plain.png")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(ReadPicture, tiff, "big.tif")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    folder = &dir;
    // 8660 x 5774 pixels of noise, so that the files are as large as the
    // photographs they stand for (about 80 MB as JPEG, 150 MB as PNG and TIFF).
    const int made = QProcess::execute("convert", {"-size",
                                                   "8660x5774",
                                                   "xc:",
                                                   "+noise",
                                                   "Random",
                                                   "-depth",
                                                   "8",
                                                   "-density",
                                                   "300",
                                                   "-units",
                                                   "PixelsPerInch",
                                                   "-write",
                                                   dir.filePath("big.jpg"),
                                                   "-write",
                                                   dir.filePath("big.tif"),
                                                   "-write",
                                                   dir.filePath("big.png"),
                                                   "-define",
                                                   "png:exclude-chunks=pHYs",
                                                   dir.filePath("plain.png")});
    if (made != 0) return 1;
    for (const char* name : {"big.jpg", "big.png", "plain.png", "big.tif"})
        std::printf("first read of %s: %.2f MiB extra peak\n", name,
                    extraPeakMiB(dir.filePath(name)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
