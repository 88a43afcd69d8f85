#include "Unit3.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

#include "ErrorBox.h"
#include "FormFont.h"
#include "OuterGeometry.h"
#include "PairProgress.h"
#include "StaticText.h"
#include "decision_engine.h"

namespace ranquill::ui {

const QString TForm1::PlainCaption = QStringLiteral("Ranquill - Decision Aid");

TForm1::TForm1(DecisionEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window),
      engine_(engine),
      memo1_(new QPlainTextEdit(this)),
      edit1_(new QLineEdit(this)),
      transcript_(memo1_),
      entry_(edit1_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(PlainCaption);
    setFont(FormFont());
    OuterGeometry::Apply(this, QRect(192, 114, 656, 500));

    AddStaticText(this, "Label1",
                  QStringLiteral("Ranquill - priority lists by pairwise comparison"),
                  {40, 16, 548, 20}, FormFont(16, QFont::Bold));

    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setAccessibleName(QStringLiteral("Transcript"));
    memo1_->setGeometry(168, 56, 401, 241);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the entry box instead of typing a tab character.
    memo1_->setTabChangesFocus(true);

    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAccessibleName(QStringLiteral("Answer"));
    edit1_->setGeometry(168, 312, 305, 21);

    // Created in tab order.
    QWidget* previous = edit1_;
    setTabOrder(memo1_, edit1_);
    for (QPushButton* button : {
             AddButton("Button1", "Enter", {496, 312, 75, 25}, &TForm1::Button1Click),
             AddButton("Button2", "Manual Set", {48, 64, 75, 25}, &TForm1::Button2Click),
             AddButton("Button3", "Process", {48, 176, 75, 25}, &TForm1::Button3Click),
             AddButton("Button4", "Exit", {48, 272, 75, 25}, &TForm1::Button4Click),
             AddButton("Button5", "Option 1", {288, 360, 75, 25}, &TForm1::Button5Click),
             AddButton("Button6", "Option 2", {384, 360, 75, 25}, &TForm1::Button6Click),
             AddButton("Button7", "Betterment A", {208, 408, 75, 25}, &TForm1::Button7Click),
             AddButton("Button8", "Betterment B", {336, 408, 75, 25}, &TForm1::Button8Click),
             AddButton("Button9", "Betterment C", {448, 408, 75, 25}, &TForm1::Button9Click),
             AddButton("Button10", "Auto Set", {48, 104, 75, 25}, &TForm1::Button10Click),
         }) {
        setTabOrder(previous, button);
        previous = button;
    }
    memo1_->setFocus();

    FormCreate();
}

TForm1::~TForm1() {
    engine_.AttachTranscript(nullptr);
    engine_.AttachEntry(nullptr);
}

QPushButton* TForm1::AddButton(const char* name, const QString& caption, QRect geometry,
                               void (TForm1::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Neither Return nor Escape presses a button; only a click or the space
    // bar on the focused button does.
    button->setAutoDefault(false);
    button->setDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TForm1::FormCreate() {
    engine_.AttachTranscript(&transcript_);
    engine_.AttachEntry(&entry_);
    transcript_.Clear();
    entry_.Clear();
    for (const char* line :
         {" ", "Welcome to Ranquill ",
          "Nothing you enter is saved: copy the result before you quit.", " ",
          "This application will help you generate ", "a priority list to aid in option selection.",
          " ", " ", "To start, click on Setup.", " ", " "}) {
        engine_.WriteLine(line);
    }
    engine_.EngineState = StateCode::AwaitSetup;
    ShowProgress();
}

template <typename Operation>
void TForm1::Perform(Operation operation) {
    try {
        operation();
    } catch (const std::exception& error) {
        // IoError from Auto Set above all; its text chosen by its code.
        ErrorBox::Show(this, QString::fromLocal8Bit(error.what()));
    }
    ShowProgress();
}

void TForm1::ShowProgress() {
    const std::optional<PairProgress> pair = PairProgress::Of(engine_);
    setWindowTitle(
        pair ? QStringLiteral("Ranquill - pair %1 of %2").arg(pair->number).arg(pair->total)
             : PlainCaption);
}

void TForm1::Button1Click() {
    Perform([this] { engine_.SubmitEntry(); });
}

void TForm1::Button2Click() {
    Perform([this] { engine_.AdvanceSetup(); });
}

void TForm1::Button3Click() {
    Perform([this] { engine_.AdvanceComparison(); });
}

void TForm1::Button4Click() { close(); }

void TForm1::Button5Click() {
    Perform([this] { engine_.PickOption(1); });
}

void TForm1::Button6Click() {
    Perform([this] { engine_.PickOption(2); });
}

void TForm1::Button7Click() {
    Perform([this] { engine_.ApplyBetterment(1); });
}

void TForm1::Button8Click() {
    Perform([this] { engine_.ApplyBetterment(2); });
}

void TForm1::Button9Click() {
    Perform([this] { engine_.ApplyBetterment(3); });
}

void TForm1::Button10Click() {
    Perform([this] { engine_.LoadOptionFile(); });
}

}  // namespace ranquill::ui
