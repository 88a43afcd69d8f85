#pragma once

#include <QWidget>
#include <array>

#include "EditEntry.h"
#include "MemoTranscript.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ranquill {
class DecisionEngine;
}

namespace ranquill::ui {

// The working window: the transcript, the entry box and ten buttons, each
// bound to one operation of the engine. It holds no decision state of its
// own. Creating it attaches its transcript and entry box to the engine and
// starts a decision; destroying it detaches them again, so one working
// window at a time may serve an engine.
//
// Closing it (Exit or the close box) only hides it.
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    TForm1(DecisionEngine& engine, QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's caption when no pair is being judged.
    static const QString PlainCaption;

  private:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();

    // Runs one engine operation; a failure it raises is shown in the error
    // box rather than left to escape into the event loop.
    template <typename Operation>
    void Perform(Operation operation);
    void ShowProgress();

    QPushButton* AddButton(const char* name, const QString& caption, QRect geometry,
                           void (TForm1::*handler)());

    DecisionEngine& engine_;
    QPlainTextEdit* memo1_;
    QLineEdit* edit1_;
    MemoTranscript transcript_;
    EditEntry entry_;
};

}  // namespace ranquill::ui
