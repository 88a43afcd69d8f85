// The built program as a separate process on an X display (the test runs
// under xvfb-run), driven by real pointer input from xdotool: how it ends and
// with which exit code.

#include <QProcess>
#include <QTest>

#include "x11_close.h"

namespace {

constexpr int TimeoutMs = 20000;

// Runs xdotool; its standard output, or a failed test when it fails.
QString Xdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    if (!xdotool.waitForFinished(TimeoutMs) || xdotool.exitCode() != 0) {
        qWarning("xdotool %s failed: %s", qPrintable(arguments.join(' ')),
                 qPrintable(xdotool.readAllStandardError()));
        return {};
    }
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

// Waits until a visible window whose caption matches `captionPattern` is
// mapped; its X11 id, or an empty text.
QString WaitForWindow(const QString& captionPattern) {
    return Xdotool({"search", "--sync", "--onlyvisible", "--name", captionPattern})
        .section('\n', 0, 0);
}

// Clicks at a point of a window, in its client coordinates.
void ClickAt(const QString& window, QPoint point) {
    Xdotool({"mousemove", "--window", window, QString::number(point.x()),
             QString::number(point.y()), "click", "1"});
}

// The centre of a control at `geometry` in its window.
QPoint Centre(QRect geometry) { return geometry.center(); }

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

  private:
    QProcess program_;

    void StartProgram() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.start(RANQUILL_EXECUTABLE, QStringList());
        QVERIFY(program_.waitForStarted(TimeoutMs));
    }

    void ExpectCleanExit() {
        QVERIFY(program_.waitForFinished(TimeoutMs));
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
    }

    QString ContinueToTerms() {
        const QString welcome = WaitForWindow("^Ranquill - Welcome");
        if (welcome.isEmpty()) return {};
        ClickAt(welcome, Centre({304, 320, 75, 25}));
        return WaitForWindow("^Ranquill - GUI 32$");
    }

  private slots:
    void cleanup() {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    void rejectEndsTheProgramWithExitCodeZero() {
        StartProgram();
        const QString terms = ContinueToTerms();
        QVERIFY(!terms.isEmpty());
        ClickAt(terms, Centre({376, 424, 75, 25}));
        ExpectCleanExit();
    }

    void closingTheWelcomeWindowEndsTheProgramWithTheWorkingWindowOpen() {
        StartProgram();
        const QString terms = ContinueToTerms();
        QVERIFY(!terms.isEmpty());
        ClickAt(terms, Centre({152, 424, 75, 25}));
        QVERIFY(!WaitForWindow("^Ranquill - Decision Aid$").isEmpty());
        QCOMPARE(program_.state(), QProcess::Running);

        const QString welcome = WaitForWindow("^Ranquill - Welcome");
        QVERIFY(ranquill::testing::RequestWindowClose(welcome.toULong()));
        ExpectCleanExit();
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
