// The working window driven through its real controls: clicks on its
// buttons, keys typed into its entry box and transcript.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "ErrorBox.h"
#include "Unit3.h"
#include "decision_engine.h"
#include "scratch_directory.h"
#include "window_driver.h"

using namespace ranquill;
using namespace ranquill::testing;

namespace {

const QStringList WelcomeLines = {
    " ",
    "Welcome to Ranquill ",
    "Nothing you enter is saved: copy the result before you quit.",
    " ",
    "This application will help you generate ",
    "a priority list to aid in option selection.",
    " ",
    " ",
    "To start, click on Setup.",
    " ",
    " ",
};

const QStringList StrengthPrompt = {
    " ",
    "By How Much (1) Low (2) Medium or (3) High Difference",
    "Enter 1, 2, or 3 in the entry box and click enter",
};

QStringList PairQuestion(int first, int second, const QString& one, const QString& two) {
    return {QString("*** Options2 compared are %1 and %2").arg(first).arg(second),
            "Which is Better, enter (1) or (2) ", "    (1): " + one, "    (2): " + two,
            "Enter 1 or 2 in the entry box and click Enter"};
}

}  // namespace

class WorkingWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DecisionEngine> engine_;
    std::unique_ptr<ui::TForm1> window_;
    QPlainTextEdit* memo_ = nullptr;
    QLineEdit* edit_ = nullptr;

    // Lines written since the window opened, after the welcome text.
    QStringList NewLines() const { return Lines(memo_).mid(WelcomeLines.size()); }

    // Manual Set, then the count and each name typed and entered.
    void EnterOptions(const QStringList& names) {
        Click(window_.get(), "Button2");
        Answer(window_.get(), QString::number(names.size()));
        for (const QString& name : names) Answer(window_.get(), name);
    }

  private slots:
    void init() {
        engine_ = std::make_unique<DecisionEngine>();
        window_ = std::make_unique<ui::TForm1>(*engine_);
        memo_ = Control<QPlainTextEdit>(window_.get(), "Memo1");
        edit_ = Control<QLineEdit>(window_.get(), "Edit1");
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_.reset();
        engine_.reset();
    }

    void opensWithTheWelcomeTextAndFocusOnTheTranscript() {
        QCOMPARE(Lines(memo_), WelcomeLines);
        QVERIFY(edit_->text().isEmpty());
        QCOMPARE(engine_->EngineState, StateCode::AwaitSetup);
        QCOMPARE(QApplication::focusWidget(), memo_);
        QCOMPARE(window_->windowTitle(), ui::TForm1::PlainCaption);
        QCOMPARE(window_->frameGeometry(), QRect(192, 114, 656, 500));
    }

    void controlsStandWhereTheyBelongInTabOrder() {
        struct Expected {
            const char* name;
            const char* caption;
            QRect geometry;
        };
        // In tab order, after the transcript and the entry box.
        const Expected buttons[] = {
            {"Button1", "Enter", {496, 312, 75, 25}},
            {"Button2", "Manual Set", {48, 64, 75, 25}},
            {"Button3", "Process", {48, 176, 75, 25}},
            {"Button4", "Exit", {48, 272, 75, 25}},
            {"Button5", "Option 1", {288, 360, 75, 25}},
            {"Button6", "Option 2", {384, 360, 75, 25}},
            {"Button7", "Betterment A", {208, 408, 75, 25}},
            {"Button8", "Betterment B", {336, 408, 75, 25}},
            {"Button9", "Betterment C", {448, 408, 75, 25}},
            {"Button10", "Auto Set", {48, 104, 75, 25}},
        };
        const QRect label = Control<QLabel>(window_.get(), "Label1")->geometry();
        QCOMPARE(label.topLeft(), QPoint(40, 16));
        QVERIFY(label.width() >= 548);
        QCOMPARE(memo_->geometry(), QRect(168, 56, 401, 241));
        QCOMPARE(edit_->geometry(), QRect(168, 312, 305, 21));
        QVERIFY(!memo_->accessibleName().isEmpty());
        QVERIFY(!edit_->accessibleName().isEmpty());
        QCOMPARE(memo_->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!memo_->isReadOnly());

        QCOMPARE(QApplication::focusWidget(), memo_);
        QTest::keyClick(memo_, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit_);
        for (const Expected& expected : buttons) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* button = Control<QPushButton>(window_.get(), expected.name);
            QCOMPARE(QApplication::focusWidget(), button);
            QCOMPARE(button->text(), QString(expected.caption));
            QCOMPARE(button->geometry(), expected.geometry);
            QVERIFY(!button->autoDefault() && !button->isDefault());
        }
    }

    void wholeDecisionWritesTheGoldenTranscript() {
        EnterOptions({"A", "B", "C"});
        Click(window_.get(), "Button3");
        for (const char* answer : {"1", "3", "1", "2", "2", "1"}) Answer(window_.get(), answer);

        QStringList expected = {
            "  Enter the number of options in the data entry box and click enter",
            "  The number of options entered is 3",
            "  Enter option 1 in the entry box and click enter",
            " ",
            "Opt Name entered is \"A\"",
            "  Enter option 2 in the entry box and click enter",
            " ",
            "Opt Name entered is \"B\"",
            "  Enter option 3 in the entry box and click enter",
            " ",
            "Opt Name entered is \"C\"",
            "Option Entry Completed ",
            "",
            "Option: A",
            "Option: B",
            "Option: C",
            " ",
            " ",
            "To Continue, select Process ",
            " ",
            " ",
        };
        expected << PairQuestion(1, 2, "A", "B") << StrengthPrompt << "*** value entered is 3"
                 << "Opt 1,2 is 1:3"
                 << " " << PairQuestion(1, 3, "A", "C") << StrengthPrompt
                 << "*** value entered is 2"
                 << "Opt 1,2 is 1:4"
                 << " " << PairQuestion(2, 3, "B", "C") << StrengthPrompt
                 << "*** value entered is 1"
                 << "Opt 1,2 is 2:4"
                 << " "
                 << " Comparision Complete 2"
                 << " Preparing Results"
                 << "1:A->       5"
                 << "2:C->       1"
                 << "3:B->       0";
        const QStringList actual = NewLines();
        for (qsizetype i = 0; i < qMin(actual.size(), expected.size()); ++i) {
            QCOMPARE(actual[i], expected[i]);
        }
        QCOMPARE(actual.size(), expected.size());
        QCOMPARE(engine_->EngineState, StateCode::Finished);
        QVERIFY(edit_->text().isEmpty());

        // Wherever the user scrolled to, the next line is brought into view.
        QScrollBar* vertical = memo_->verticalScrollBar();
        QScrollBar* horizontal = memo_->horizontalScrollBar();
        memo_->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo_, QString(300, 'w'));
        QVERIFY(vertical->maximum() > 0 && horizontal->maximum() > 0);
        vertical->setValue(0);
        horizontal->setValue(horizontal->maximum());
        Click(window_.get(), "Button3");
        QCOMPARE(Lines(memo_).last(), QString("*** Printing sorted list "));
        QCOMPARE(vertical->value(), vertical->maximum());
        QCOMPARE(horizontal->value(), 0);
    }

    void shortcutButtonsJudgeAWalkAndTheCaptionFollowsIt() {
        EnterOptions({"A", "B", "C"});
        QCOMPARE(window_->windowTitle(), ui::TForm1::PlainCaption);
        Click(window_.get(), "Button3");
        QCOMPARE(window_->windowTitle(), QString("Ranquill - pair 1 of 3"));

        qsizetype before = Lines(memo_).size();
        Click(window_.get(), "Button5");
        QCOMPARE(Lines(memo_).mid(before),
                 QStringList{"*** Betterment index (1) Selection"} + StrengthPrompt);
        QCOMPARE(window_->windowTitle(), QString("Ranquill - pair 1 of 3"));

        before = Lines(memo_).size();
        Click(window_.get(), "Button9");
        QCOMPARE(Lines(memo_).mid(before),
                 QStringList({"*** Improvement Index (C) Selected", "Opt 1,2 is 1:3", " "}) +
                     PairQuestion(1, 3, "A", "C"));
        QCOMPARE(window_->windowTitle(), QString("Ranquill - pair 2 of 3"));

        Click(window_.get(), "Button5");
        Click(window_.get(), "Button8");
        QCOMPARE(window_->windowTitle(), QString("Ranquill - pair 3 of 3"));
        Click(window_.get(), "Button6");
        Click(window_.get(), "Button7");

        QCOMPARE(Lines(memo_).mid(Lines(memo_).size() - 3),
                 QStringList({"1:A->       5", "2:C->       1", "3:B->       0"}));
        QCOMPARE(window_->windowTitle(), ui::TForm1::PlainCaption);
    }

    void returnAndEscapePressNothingButSpacePressesTheFocusedButton() {
        Click(window_.get(), "Button2");
        QTest::keyClicks(edit_, "3");
        const QStringList before = Lines(memo_);
        QTest::keyClick(edit_, Qt::Key_Return);
        QTest::keyClick(edit_, Qt::Key_Enter);
        QTest::keyClick(edit_, Qt::Key_Escape);
        auto* enter = Control<QPushButton>(window_.get(), "Button1");
        enter->setFocus();
        QTest::keyClick(enter, Qt::Key_Return);
        QTest::keyClick(enter, Qt::Key_Escape);
        QCOMPARE(Lines(memo_), before);
        QCOMPARE(edit_->text(), QString("3"));
        QCOMPARE(engine_->EngineState, StateCode::AwaitCount);

        QTest::keyClick(enter, Qt::Key_Space);
        QCOMPARE(Lines(memo_).value(before.size()),
                 QString("  The number of options entered is 3"));
    }

    void typedTranscriptTextStaysAndUndoNeverRemovesEngineLines() {
        // The user's own typing can be undone until the engine writes again.
        QTest::keyClicks(memo_, "scratch");
        QTest::keyClick(memo_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Lines(memo_), WelcomeLines);

        // Typed at the end of the last line: the engine's line follows on a
        // line of its own.
        memo_->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo_, "my note");
        Click(window_.get(), "Button2");
        const QStringList expected =
            WelcomeLines.mid(0, WelcomeLines.size() - 1) +
            QStringList{" my note",
                        "  Enter the number of options in the data entry box and click enter"};
        QCOMPARE(Lines(memo_), expected);

        for (int i = 0; i < 3; ++i) QTest::keyClick(memo_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Lines(memo_), expected);
        QVERIFY(!memo_->document()->isUndoAvailable());
    }

    void autoSetReportsFileFailuresInTheErrorBox_data() {
        QTest::addColumn<QByteArray>("file");  // empty: no dpin.txt at all
        QTest::addColumn<QString>("boxText");  // empty: no box
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StateCode>("state");

        QTest::newRow("missing file")
            << QByteArray() << "File not found." << QStringList() << StateCode::AwaitSetup;
        QTest::newRow("invalid count")
            << QByteArray("3x\nA\nB\nC\n") << "Invalid numeric input."
            << QStringList{" ", "Automated Option Setup"} << StateCode::AwaitSetup;
        // Names in the local 8-bit encoding come through unchanged.
        QTest::newRow("loaded") << QByteArray("2\nCr\xc3\xa8me\nB\n") << QString()
                                << QStringList{" ",
                                               "Automated Option Setup",
                                               "Number of Options: 2",
                                               QString::fromUtf8("Option 1: Cr\xc3\xa8me"),
                                               "Option 2: B",
                                               " ",
                                               " "}
                                << StateCode::ReadyToCompare;
    }

    void autoSetReportsFileFailuresInTheErrorBox() {
        QFETCH(QByteArray, file);
        QFETCH(QString, boxText);
        QFETCH(QStringList, lines);
        QFETCH(StateCode, state);
        ScratchDirectory directory;
        if (!file.isEmpty()) directory.WriteFile("dpin.txt", file.toStdString());
        ErrorBoxRecorder boxes;

        Click(window_.get(), "Button10");

        if (boxText.isEmpty()) {
            QCOMPARE(boxes.shown.size(), std::size_t{0});
        } else {
            QCOMPARE(boxes.shown.size(), std::size_t{1});
            QCOMPARE(boxes.shown[0].text, boxText);
            QCOMPARE(boxes.shown[0].caption, QString("working_window_test"));
        }
        QCOMPARE(NewLines(), lines);
        QCOMPARE(engine_->EngineState, state);

        // The window goes on working.
        Click(window_.get(), "Button2");
        QCOMPARE(NewLines().size(), lines.size() + 1);
    }

    void errorBoxTextAndCaption_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 32"
                               << "I/O error 32.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("sorts below") << "Stop!"
                                     << "Stop!";
        QTest::newRow("empty") << ""
                               << "";
    }

    void errorBoxTextAndCaption() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(ui::ErrorBox::TextFor(message), text);
    }

    void errorBoxCaptionComesFromTheExecutableName() {
        QCOMPARE(ui::ErrorBox::CaptionFor("/usr/bin/ranquill"), QString("ranquill"));
        QCOMPARE(ui::ErrorBox::CaptionFor("C:/Programs/RANQUILL.EXE"), QString("Ranquill"));
        QCOMPARE(ui::ErrorBox::CaptionFor("/opt/my.Tool.bin"), QString("my"));
    }
};

QTEST_MAIN(WorkingWindowTest)
#include "working_window_test.moc"
