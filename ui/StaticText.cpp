#include "StaticText.h"

#include <QLabel>

namespace ranquill::ui {

QLabel* AddStaticText(QWidget* parent, const char* name, const QString& text, QRect geometry,
                      const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    geometry.setWidth(qMax(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

}  // namespace ranquill::ui
