// A full walk over the largest decision driven through the real working
// window by button clicks, beside the same lines appended to a bare
// QPlainTextEdit. Each side runs in a child process of its own, so that the
// peak memory of one does not show in the other's figure.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "Unit3.h"
#include "decision_engine.h"
#include "peak_memory.h"
#include "walk_script.h"

namespace {

using ranquill::DecisionEngine;
using ranquill::ui::TForm1;

constexpr std::size_t kCompared = 1000;

class WindowControls : public WalkControls {
  public:
    explicit WindowControls(TForm1& form) : form_(form) {
        edit1_ = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        memo1_ = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    }

    void Type(const std::string& text) override { edit1_->setText(QString::fromStdString(text)); }

    void Press(WalkButton button) override {
        form_.findChild<QPushButton*>(ButtonName(button))->click();
        QCoreApplication::processEvents();
    }

    int Lines() const { return memo1_->document()->blockCount(); }

  private:
    static QString ButtonName(WalkButton button) {
        switch (button) {
            case WalkButton::Enter:
                return QStringLiteral("Button1");
            case WalkButton::ManualSet:
                return QStringLiteral("Button2");
            case WalkButton::Process:
                return QStringLiteral("Button3");
            case WalkButton::Option1:
                return QStringLiteral("Button5");
            case WalkButton::Option2:
                return QStringLiteral("Button6");
            case WalkButton::BettermentA:
                return QStringLiteral("Button7");
            case WalkButton::BettermentC:
                return QStringLiteral("Button9");
        }
        return {};
    }

    TForm1& form_;
    QLineEdit* edit1_;
    QPlainTextEdit* memo1_;
};

// The baseline: the engine's lines go straight to a bare QPlainTextEdit the
// size of the working window's transcript, with nothing else around it.
class BareControls : public WalkControls, ranquill::TranscriptSink, ranquill::EntrySource {
  public:
    explicit BareControls(DecisionEngine& engine) : engine_(engine) {
        edit_.resize(401, 241);
        edit_.show();
        engine.AttachTranscript(this);
        engine.AttachEntry(this);
        engine.EngineState = ranquill::StateCode::AwaitSetup;
    }

    void AppendLine(std::string_view line) override {
        edit_.appendPlainText(
            QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size())));
    }
    std::string Text() const override { return entry_; }
    void Clear() override { entry_.clear(); }

    void Type(const std::string& text) override { entry_ = text; }

    void Press(WalkButton button) override {
        switch (button) {
            case WalkButton::Enter:
                engine_.SubmitEntry();
                break;
            case WalkButton::ManualSet:
                engine_.AdvanceSetup();
                break;
            case WalkButton::Process:
                engine_.AdvanceComparison();
                break;
            case WalkButton::Option1:
                engine_.PickOption(1);
                break;
            case WalkButton::Option2:
                engine_.PickOption(2);
                break;
            case WalkButton::BettermentA:
                engine_.ApplyBetterment(1);
                break;
            case WalkButton::BettermentC:
                engine_.ApplyBetterment(3);
                break;
        }
        QCoreApplication::processEvents();
    }

    int Lines() const { return edit_.document()->blockCount(); }

  private:
    DecisionEngine& engine_;
    QPlainTextEdit edit_;
    std::string entry_;
};

void PrintFigures(const WalkTimes& times, int lines, long memoryBeforeKiB) {
    std::printf("lines %d\n", lines);
    std::printf("setup_ms %.1f\n", times.setup.Total());
    std::printf("clicks %zu\n", times.walk.Count());
    std::printf("p50_ms %.4f\n", times.walk.Percentile(0.50));
    std::printf("p99_ms %.4f\n", times.walk.Percentile(0.99));
    std::printf("max_ms %.3f\n", times.walk.Max());
    std::printf("first_ms %.4f\n", times.walk.MeanOfFirst(kCompared));
    std::printf("last_ms %.4f\n", times.walk.MeanOfLast(kCompared));
    std::printf("walk_ms %.1f\n", times.walk.Total());
    std::printf("before_kib %ld\n", memoryBeforeKiB);
    std::printf("peak_kib %ld\n", PeakMemoryKiB());
}

int RunSide(int argc, char* argv[], bool window) {
    DecisionEngine engine;
    QApplication application(argc, argv);
    if (window) {
        TForm1 form(engine);
        form.show();
        QCoreApplication::processEvents();
        WindowControls controls(form);
        const long before = PeakMemoryKiB();
        const WalkTimes times = RunFullWalk(controls, engine);
        PrintFigures(times, controls.Lines(), before);
    } else {
        BareControls controls(engine);
        QCoreApplication::processEvents();
        const long before = PeakMemoryKiB();
        const WalkTimes times = RunFullWalk(controls, engine);
        PrintFigures(times, controls.Lines(), before);
    }
    return engine.EngineState == ranquill::StateCode::Finished ? EXIT_SUCCESS : EXIT_FAILURE;
}

using Figures = std::map<std::string, double>;

Figures RunChild(const QString& side) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {side});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_window_walk: the %s run failed\n", qPrintable(side));
        std::exit(EXIT_FAILURE);
    }
    Figures figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2) figures[parts[0].toStdString()] = parts[1].toDouble();
    }
    return figures;
}

int Compare(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    std::printf("Full walk over %d options, offscreen, one child process per side\n\n",
                DecisionEngine::MaxOptions);
    const Figures window = RunChild(QStringLiteral("window"));
    const Figures bare = RunChild(QStringLiteral("baseline"));

    const auto row = [&](const char* label, const char* key, const char* format) {
        std::printf("%-34s", label);
        std::printf(format, window.at(key));
        std::printf(format, bare.at(key));
        std::printf("\n");
    };
    std::printf("%-34s%16s%16s\n", "", "working window", "bare edit");
    row("transcript lines", "lines", "%16.0f");
    row("setup presses, total ms", "setup_ms", "%16.1f");
    row("walk clicks", "clicks", "%16.0f");
    row("per click p50, ms", "p50_ms", "%16.4f");
    row("per click p99, ms", "p99_ms", "%16.4f");
    row("per click max, ms", "max_ms", "%16.3f");
    row("mean of first 1000 clicks, ms", "first_ms", "%16.4f");
    row("mean of last 1000 clicks, ms", "last_ms", "%16.4f");
    row("walk total, ms", "walk_ms", "%16.1f");
    row("peak memory before the walk, KiB", "before_kib", "%16.0f");
    row("peak memory, KiB", "peak_kib", "%16.0f");

    const double lastOverFirst = window.at("last_ms") / window.at("first_ms");
    const double memoryRatio = window.at("peak_kib") / bare.at("peak_kib");
    std::printf("\nworking window against its goals\n");
    std::printf("  p99 per click          %.4f ms   (goal < 2 ms)\n", window.at("p99_ms"));
    std::printf("  last 1000 / first 1000 %.2f       (goal <= 1.5)\n", lastOverFirst);
    std::printf("  peak memory / baseline %.2f       (goal <= 1.25)\n", memoryRatio);
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The windows need no screen; a display given explicitly is respected.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string_view side = argc > 1 ? argv[1] : "";
    if (side == "window") return RunSide(argc, argv, true);
    if (side == "baseline") return RunSide(argc, argv, false);
    return Compare(argc, argv);
}
