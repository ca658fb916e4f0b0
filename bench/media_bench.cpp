// Reading a 50-megapixel picture's facts from a JPEG, a PNG, a HEIC and a
// DNG, from the drop to the answer: the program opens the file and judges
// it, the picture reader starts, locks itself down and reads header and
// metadata only. Besides the time, each benchmark reports the extra peak
// resident memory of one read in the program's own process
// (extra_peak_MiB), which parses nothing any more.
#include "common/media/media_reader.h"
#include "common/opening/file_opener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
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
    benchmark::DoNotOptimize(opening::readNow(path, false));
    return static_cast<double>(statusKiB("VmHWM:") - before) / 1024;
}

void ReadPicture(benchmark::State& state, const char* name) {
    const QString path = folder->filePath(name);
    const double peak = extraPeakMiB(path);
    const media::ReadResult result = opening::readNow(path, false);
    if (!result.facts) {
        state.SkipWithError(result.reason.c_str());
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(opening::readNow(path, false));
    state.counters["extra_peak_MiB"] = peak;
    state.counters["file_MiB"] = static_cast<double>(QFileInfo(path).size()) / (1024 * 1024);
}

BENCHMARK_CAPTURE(ReadPicture, jpeg, "big.jpg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReadPicture, png, "big.png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReadPicture, heic, "big.heic")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ReadPicture, dng, "big.dng")->Unit(benchmark::kMillisecond)->UseRealTime();

bool make(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    media::MediaReader::setPictureReader(QStringLiteral(CALC_BENCH_PICTURE_READER));
    QTemporaryDir dir;
    folder = &dir;
    // 8660 x 5774 pixels of noise, so that the files are as large as the
    // photographs they stand for (about 80 MB as JPEG, 150 MB as PNG); the
    // HEIC is grey, which its encoder takes in seconds, not minutes.
    const QString big = QStringLiteral("8660x5774");
    if (!make("convert",
              {"-size", big, "xc:", "+noise", "Random", "-depth", "8", "-density", "300", "-units",
               "PixelsPerInch", "-write", dir.filePath("big.jpg"), dir.filePath("big.png")}) ||
        !make("convert", {"-size", big, "xc:gray", dir.filePath("grey.png")}) ||
        !make("heif-enc", {"-q", "10", "-o", dir.filePath("big.heic"), dir.filePath("grey.png")}) ||
        !make("/usr/bin/python3", {CALC_BENCH_MAKE_DNG, dir.filePath("big.dng"), "8660", "5774"}))
        return 1;
    for (const char* name : {"big.jpg", "big.png", "big.heic", "big.dng"}) {
        const auto start = std::chrono::steady_clock::now();
        const media::ReadResult result = opening::readNow(dir.filePath(name), false);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        std::printf("first read of %s: %.1f ms%s%s\n", name, took.count(),
                    result.facts ? "" : ", failed: ", result.reason.c_str());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
