#include "Unit7.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "FormFont.h"
#include "OuterGeometry.h"
#include "StaticText.h"

namespace ranquill::ui {

const char* const TForm7::AgreementText =
    "RANQUILL - TERMS OF USE\n"
    "\n"
    "Please read these terms before you use Ranquill.\n"
    "\n"
    "1. What Ranquill does. Ranquill helps you compare a set of options two at a time and\n"
    "   lists them by the points you gave them. The list is an aid to your own judgement,\n"
    "   nothing more: the decision, and what follows from it, remain yours.\n"
    "\n"
    "2. Your data. Ranquill reads only the option file dpin.txt from the folder it is started\n"
    "   in, and only when you click Auto Set. It writes no file, sends nothing over any network\n"
    "   and keeps nothing after it ends. Copy the result from the transcript if you want to\n"
    "   keep it.\n"
    "\n"
    "3. Use. You may use Ranquill for any lawful purpose, privately or at work, and pass on\n"
    "   unchanged copies of it.\n"
    "\n"
    "4. No warranty. Ranquill is provided as it is, without warranty of any kind, express or\n"
    "   implied, including fitness for a particular purpose. Its authors are not liable for\n"
    "   any loss or damage arising from its use.\n"
    "\n"
    "By clicking Accept you agree to these terms. Click Reject to end the program.\n";

TForm7::TForm7(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Ranquill - GUI 32"));
    setFont(FormFont());
    OuterGeometry::Apply(this, QRect(192, 114, 713, 500));

    AddStaticText(this, "StaticText1", QStringLiteral("License Acceptance Screen"),
                  {240, 40, 242, 28}, FormFont(21));

    auto* memo1 = new QPlainTextEdit(QString::fromUtf8(AgreementText), this);
    memo1->setObjectName(QStringLiteral("Memo1"));
    memo1->setAccessibleName(QStringLiteral("Terms of use"));
    memo1->setGeometry(72, 88, 585, 289);
    memo1->setReadOnly(true);
    // Read-only text takes no keyboard focus by default; the agreement must,
    // so that it can be scrolled with the keyboard and Tab leads on from it.
    memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo1->setFocusPolicy(Qt::StrongFocus);
    memo1->setTabChangesFocus(true);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    AddStaticText(this, "StaticText2", QStringLiteral("Please click either Accept or Reject"),
                  {224, 392, 173, 17}, FormFont());

    auto* button1 = new QPushButton(QStringLiteral("Accept"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(152, 424, 75, 25);
    connect(button1, &QPushButton::clicked, this, &TForm7::Button1Click);

    auto* button2 = new QPushButton(QStringLiteral("Reject"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    button2->setGeometry(376, 424, 75, 25);
    connect(button2, &QPushButton::clicked, this, &TForm7::Button2Click);

    for (QPushButton* button : {button1, button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(memo1, button1);
    setTabOrder(button1, button2);
    memo1->setFocus();
}

void TForm7::Button1Click() { emit Accepted(); }

void TForm7::Button2Click() { emit Rejected(); }

}  // namespace ranquill::ui
