#include "Unit6.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "FormFont.h"
#include "OuterGeometry.h"
#include "StaticText.h"

namespace ranquill::ui {

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Ranquill - Welcome - free to use, nothing you enter is saved"));
    setFont(FormFont());
    OuterGeometry::Apply(this, QRect(192, 114, 735, 408));

    // The banner shrunk with its proportions kept to the control's width and
    // drawn at its top left; the rows below it stay background.
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(8, 16, 713, 201);
    image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Decoded straight at the shown size: half the start-up cost of decoding
    // the whole picture and shrinking it afterwards.
    QImageReader banner(QStringLiteral(":/banner.jpg"));
    banner.setScaledSize(banner.size().scaled(image1->size(), Qt::KeepAspectRatio));
    const QImage picture = banner.read();
    if (!picture.isNull()) image1->setPixmap(QPixmap::fromImage(picture));

    AddStaticText(this, "StaticText1", QStringLiteral("Welcome to Ranquill - GUI 32"),
                  {176, 232, 312, 28}, FormFont(21));

    auto* button1 = new QPushButton(QStringLiteral("Continue"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(304, 320, 75, 25);
    button1->setAutoDefault(false);
    button1->setDefault(false);
    connect(button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    button1->setFocus();
}

void TForm5::Button1Click() { emit ContinueRequested(); }

void TForm5::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

}  // namespace ranquill::ui
