#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace ranquill {
class DecisionEngine;
}

namespace ranquill::ui {

class TForm1;
class TForm5;
class TForm7;

// The order in which the windows appear: the welcome window, from it the
// terms window, and on Accept the working window. At most one window of each
// kind is alive; a newer one replaces the older, so the engine only ever
// talks to the newest working window. Closing the welcome window or
// rejecting the terms ends the program with exit code 0.
//
// The terms and working windows are owned windows of the welcome window, so
// they share its one taskbar entry and are destroyed with it.
class StartupSequence : public QObject {
    Q_OBJECT

  public:
    // Ends the program with an exit code; by default it leaves the event loop.
    using EndProgram = std::function<void(int exitCode)>;

    explicit StartupSequence(DecisionEngine& engine, EndProgram endProgram = {});
    ~StartupSequence() override;

    // Shows the welcome window.
    void Start();

    TForm5* WelcomeWindow() const { return welcome_.get(); }
    // The newest window of its kind, or nullptr when there is none.
    TForm7* TermsWindow() const;
    TForm1* WorkingWindow() const;

  private:
    void OpenTerms();
    void AcceptTerms();

    DecisionEngine& engine_;
    EndProgram endProgram_;
    std::unique_ptr<TForm5> welcome_;
    QPointer<TForm7> terms_;
    QPointer<TForm1> working_;
};

}  // namespace ranquill::ui
