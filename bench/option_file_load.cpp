// Auto Set on two large option files, written to a scratch directory and
// deleted afterwards: a 1 GiB file whose count is 3 (the load must stop after
// the third name), and 256 names of 10,000 characters each. Prints load time
// and peak memory.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "decision_engine.h"
#include "peak_memory.h"

namespace {

// Counts lines and their bytes, the way a real transcript would receive them.
class CountingTranscript : public ranquill::TranscriptSink {
  public:
    void AppendLine(std::string_view line) override {
        ++lines;
        bytes += static_cast<long>(line.size());
    }
    long lines = 0;
    long bytes = 0;
};

void WriteAll(std::FILE* file, std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::perror("write dpin.txt");
        std::exit(1);
    }
}

// Writes dpin.txt: `head`, then filler lines up to `total` bytes.
void WriteOptionFile(std::string_view head, long long total) {
    std::FILE* file = std::fopen("dpin.txt", "wb");
    if (!file) {
        std::perror("open dpin.txt");
        std::exit(1);
    }
    WriteAll(file, head);
    std::string chunk;
    while (chunk.size() < (1u << 20)) chunk += "filler line that no load should ever need\n";
    for (long long left = total - static_cast<long long>(head.size()); left > 0;) {
        const auto size = static_cast<std::size_t>(std::min<long long>(left, chunk.size()));
        WriteAll(file, std::string_view(chunk).substr(0, size));
        left -= static_cast<long long>(size);
    }
    if (std::fclose(file) != 0) {
        std::perror("close dpin.txt");
        std::exit(1);
    }
}

// Writes dpin.txt with 256 names of 10,000 characters, one at a time so the
// program's peak memory stays that of the loads.
void WriteLongNames() {
    std::FILE* file = std::fopen("dpin.txt", "wb");
    if (!file) {
        std::perror("open dpin.txt");
        std::exit(1);
    }
    WriteAll(file, "256\n");
    for (int k = 0; k < ranquill::DecisionEngine::MaxOptions; ++k) {
        WriteAll(file, std::string(10'000, static_cast<char>('a' + k % 26)) + "\n");
    }
    if (std::fclose(file) != 0) {
        std::perror("close dpin.txt");
        std::exit(1);
    }
}

void MeasureLoad(const char* what, int repetitions) {
    using Clock = std::chrono::steady_clock;
    const long memoryBefore = PeakMemoryKiB();
    double firstMs = 0;
    double totalMs = 0;
    CountingTranscript transcript;
    for (int run = 0; run < repetitions; ++run) {
        ranquill::DecisionEngine engine;
        engine.AttachTranscript(&transcript);
        const auto start = Clock::now();
        engine.LoadOptionFile();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (run == 0) firstMs = ms;
        totalMs += ms;
    }
    std::printf("%s\n", what);
    std::printf("  file size        %.1f MiB\n",
                static_cast<double>(std::filesystem::file_size("dpin.txt")) / (1 << 20));
    std::printf("  load time        %.3f ms first, %.3f ms mean of %d\n", firstMs,
                totalMs / repetitions, repetitions);
    std::printf("  transcript       %ld lines, %ld bytes per load\n",
                transcript.lines / repetitions, transcript.bytes / repetitions);
    std::printf("  peak memory      %ld KiB (%ld KiB before the loads)\n", PeakMemoryKiB(),
                memoryBefore);
}

}  // namespace

int main() {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("ranquill-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);

    WriteOptionFile("3\nAlpha\nBeta\nGamma\n", 1LL << 30);
    MeasureLoad("1 GiB file whose count is 3", 10);

    std::filesystem::remove("dpin.txt");
    WriteLongNames();
    MeasureLoad("256 names of 10,000 characters", 10);

    std::filesystem::current_path(directory.parent_path());
    std::filesystem::remove_all(directory);
    return 0;
}
