// The order of the windows through their real buttons: welcome, terms,
// working window, and the ways the program ends.

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

#include "StartupSequence.h"
#include "Unit3.h"
#include "Unit6.h"
#include "Unit7.h"
#include "decision_engine.h"
#include "window_driver.h"

using namespace ranquill;
using namespace ranquill::testing;

class StartupTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DecisionEngine> engine_;
    std::unique_ptr<ui::StartupSequence> startup_;
    std::optional<int> exitCode_;

    ui::TForm5* Welcome() const { return startup_->WelcomeWindow(); }

    ui::TForm7* Continue() {
        Click(Welcome(), "Button1");
        return startup_->TermsWindow();
    }

    ui::TForm1* ContinueAndAccept() {
        Click(Continue(), "Button1");
        return startup_->WorkingWindow();
    }

    static void CheckControl(const QWidget* window, const char* name, const QString& text,
                             QRect geometry) {
        auto* control = Control<QWidget>(window, name);
        if (auto* label = qobject_cast<QLabel*>(control); label && !text.isEmpty()) {
            QCOMPARE(label->text(), text);
            // A text grows to the right when the font needs more room.
            QCOMPARE(control->geometry().topLeft(), geometry.topLeft());
            QCOMPARE(control->height(), geometry.height());
            QVERIFY(control->width() >= geometry.width());
            QVERIFY(control->width() >= label->sizeHint().width());
            return;
        }
        QCOMPARE(control->geometry(), geometry);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->autoDefault() && !button->isDefault());
        }
    }

  private slots:
    void init() {
        exitCode_.reset();
        engine_ = std::make_unique<DecisionEngine>();
        startup_ = std::make_unique<ui::StartupSequence>(
            *engine_, [this](int exitCode) { exitCode_ = exitCode; });
        startup_->Start();
        QVERIFY(QTest::qWaitForWindowActive(Welcome()));
    }

    void cleanup() {
        startup_.reset();
        engine_.reset();
    }

    void welcomeWindowShowsBannerGreetingAndContinue() {
        QCOMPARE(Welcome()->objectName(), QString("Form5"));
        QCOMPARE(Welcome()->frameGeometry(), QRect(192, 114, 735, 408));
        QVERIFY(Welcome()->windowTitle().contains("Ranquill"));
        CheckControl(Welcome(), "Image1", {}, {8, 16, 713, 201});
        CheckControl(Welcome(), "StaticText1", "Welcome to Ranquill - GUI 32", {176, 232, 312, 28});
        CheckControl(Welcome(), "Button1", "Continue", {304, 320, 75, 25});
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>(Welcome(), "Button1"));
        QCOMPARE(Control<QLabel>(Welcome(), "Image1")->pixmap().size(), QSize(713, 190));
        QVERIFY(startup_->TermsWindow() == nullptr && startup_->WorkingWindow() == nullptr);
    }

    void termsWindowOpensOnContinueWithFocusOnTheAgreement() {
        ui::TForm7* terms = Continue();
        QVERIFY(terms && terms->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(terms));
        QCOMPARE(terms->objectName(), QString("Form7"));
        QCOMPARE(terms->windowTitle(), QString("Ranquill - GUI 32"));
        QCOMPARE(terms->frameGeometry(), QRect(192, 114, 713, 500));
        CheckControl(terms, "StaticText1", "License Acceptance Screen", {240, 40, 242, 28});
        CheckControl(terms, "Memo1", {}, {72, 88, 585, 289});
        CheckControl(terms, "StaticText2", "Please click either Accept or Reject",
                     {224, 392, 173, 17});
        CheckControl(terms, "Button1", "Accept", {152, 424, 75, 25});
        CheckControl(terms, "Button2", "Reject", {376, 424, 75, 25});
        QTRY_COMPARE(QApplication::focusWidget(), Control<QWidget>(terms, "Memo1"));
        QVERIFY(!Control<QPlainTextEdit>(terms, "Memo1")->toPlainText().isEmpty());
        // Owned by the welcome window: one taskbar entry for the program.
        QCOMPARE(terms->parentWidget(), Welcome());

        // A second Continue replaces the first terms window.
        QPointer<ui::TForm7> first = terms;
        QVERIFY(Continue() != nullptr);
        QVERIFY(first.isNull());
    }

    void acceptExitAndAcceptAgainStartsANewDecisionInTheSameEngine() {
        QPointer<ui::TForm7> terms = Continue();
        Click(terms, "Button1");
        QPointer<ui::TForm1> first = startup_->WorkingWindow();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->parentWidget(), Welcome());
        QTRY_COMPARE(QApplication::focusWidget(), Control<QWidget>(first, "Memo1"));
        QCOMPARE(engine_->EngineState, StateCode::AwaitSetup);
        QTRY_VERIFY(terms.isNull());

        // Half-way through a manual setup: option 1 named, option 2 asked.
        Click(first, "Button2");
        Answer(first, "2");
        Answer(first, "Alpha");
        QCOMPARE(engine_->FirstIndex, 2);

        Click(first, "Button4");
        QVERIFY(!first->isVisible());
        QVERIFY(Welcome()->isVisible());
        QVERIFY(!exitCode_.has_value());

        ui::TForm1* second = ContinueAndAccept();
        QVERIFY(first.isNull());
        QVERIFY(second->isVisible());
        QCOMPARE(engine_->EngineState, StateCode::AwaitSetup);
        QCOMPARE(engine_->FirstIndex, 2);
        QCOMPARE(engine_->OptionCount, 2);
        QCOMPARE(engine_->OptionNames[1], std::string("Alpha"));

        // The engine now writes into the new window.
        Click(second, "Button2");
        Answer(second, "3");
        const QStringList lines = Lines(Control<QPlainTextEdit>(second, "Memo1"));
        QCOMPARE(lines.size(), 11 + 4);
        QCOMPARE(lines.last(), QString(" "));
        QCOMPARE(lines[lines.size() - 2],
                 QString("  Enter option 2 in the entry box and click enter"));
    }

    void rejectEndsTheProgramWithoutAWorkingWindow() {
        Click(Continue(), "Button2");
        QCOMPARE(exitCode_, std::optional<int>(0));
        QVERIFY(startup_->WorkingWindow() == nullptr);
    }

    void closingTheWelcomeWindowEndsTheProgramWhateverIsOpen() {
        ContinueAndAccept();
        Continue();
        QVERIFY(!exitCode_.has_value());
        Welcome()->close();
        QCOMPARE(exitCode_, std::optional<int>(0));
    }

    void closingTheOtherWindowsOnlyHidesThem() {
        QVERIFY(Continue()->close());
        ui::TForm1* working = ContinueAndAccept();
        QVERIFY(working->close());
        QVERIFY(!exitCode_.has_value());
        QVERIFY(Welcome()->isVisible());
        QVERIFY(startup_->WorkingWindow() == working);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
