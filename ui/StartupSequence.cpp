#include "StartupSequence.h"

#include <QCoreApplication>

#include "Unit3.h"
#include "Unit6.h"
#include "Unit7.h"

namespace ranquill::ui {

namespace {

// A window opened by a click comes up active, its first control focused.
void ShowInFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

StartupSequence::StartupSequence(DecisionEngine& engine, EndProgram endProgram)
    : engine_(engine),
      endProgram_(endProgram ? std::move(endProgram)
                             : EndProgram([](int exitCode) { QCoreApplication::exit(exitCode); })),
      welcome_(std::make_unique<TForm5>()) {
    connect(welcome_.get(), &TForm5::ContinueRequested, this, &StartupSequence::OpenTerms);
    connect(welcome_.get(), &TForm5::Closed, this, [this] { endProgram_(0); });
}

StartupSequence::~StartupSequence() = default;

void StartupSequence::Start() { welcome_->show(); }

TForm7* StartupSequence::TermsWindow() const { return terms_; }

TForm1* StartupSequence::WorkingWindow() const { return working_; }

void StartupSequence::OpenTerms() {
    delete terms_;
    terms_ = new TForm7(welcome_.get());
    connect(terms_, &TForm7::Accepted, this, &StartupSequence::AcceptTerms);
    connect(terms_, &TForm7::Rejected, this, [this] { endProgram_(0); });
    ShowInFront(terms_);
}

void StartupSequence::AcceptTerms() {
    // The older working window goes first: it detaches itself from the
    // engine when destroyed, and the new one attaches when created.
    delete working_;
    working_ = new TForm1(engine_, welcome_.get());
    // Accept was pressed in this window, so it is destroyed only once the
    // click has been handled.
    terms_->close();
    terms_->deleteLater();
    terms_ = nullptr;
    ShowInFront(working_);
}

}  // namespace ranquill::ui
