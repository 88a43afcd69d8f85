#include "FormFont.h"

#include <QFontDatabase>

namespace ranquill::ui {

namespace {

// The windows' captions were sized for MS Sans Serif. Where it is missing, a
// face of about its widths keeps them from being cut off; wider faces such as
// DejaVu Sans clip "Betterment C" at 11 pixels.
QFont FormFamily() {
    for (const char* family :
         {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            return QFont(QString::fromLatin1(family));
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

}  // namespace

QFont FormFont(int pixelSize, QFont::Weight weight) {
    QFont font = FormFamily();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

}  // namespace ranquill::ui
