// Time from process start to the first window shown: the program's start-up
// beside a bare Qt window's, each started many times in turn.
#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRuns = 25;

// Starts `program` and returns the milliseconds until it reported its first
// window shown.
double TimeToFirstWindow(const QString& program) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    child.start(program, {});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: %s failed\n", qPrintable(program));
        std::exit(EXIT_FAILURE);
    }
    const long long shownNs = child.readAllStandardOutput().trimmed().toLongLong();
    const long long startNs = std::chrono::nanoseconds(start).count();
    return static_cast<double>(shownNs - startNs) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QCoreApplication application(argc, argv);
    const QString program = QStringLiteral(RANQUILL_STARTUP_PROGRAM);
    const QString bare = QStringLiteral(RANQUILL_STARTUP_BARE);

    // One run of each first, so that both start with warm file caches.
    TimeToFirstWindow(program);
    TimeToFirstWindow(bare);
    std::vector<double> programMs;
    std::vector<double> bareMs;
    for (int run = 0; run < kRuns; ++run) {
        programMs.push_back(TimeToFirstWindow(program));
        bareMs.push_back(TimeToFirstWindow(bare));
    }

    const double programMedian = Median(programMs);
    const double bareMedian = Median(bareMs);
    std::printf(
        "Start-up to the first window shown, platform %s, median of %d runs\n",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(),
        kRuns);
    std::printf("  welcome window   %8.2f ms (fastest %.2f)\n", programMedian,
                *std::min_element(programMs.begin(), programMs.end()));
    std::printf("  bare Qt window   %8.2f ms (fastest %.2f)\n", bareMedian,
                *std::min_element(bareMs.begin(), bareMs.end()));
    std::printf("  ratio            %8.2f    (goal <= 1.3)\n", programMedian / bareMedian);
    return EXIT_SUCCESS;
}
