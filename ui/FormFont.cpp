#include "FormFont.h"

#include <QFontDatabase>

namespace ranquill::ui {

QFont FormFont(int pixelSize, QFont::Weight weight) {
    static const QString preferred = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(preferred)
                     ? QFont(preferred)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

}  // namespace ranquill::ui
