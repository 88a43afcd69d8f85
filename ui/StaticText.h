#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace ranquill::ui {

// A one-line text at its designed place. Like a designer label sized to its
// text, it grows to the right when the font in use needs more room than the
// designed width, so no font cuts the text off.
QLabel* AddStaticText(QWidget* parent, const char* name, const QString& text, QRect geometry,
                      const QFont& font);

}  // namespace ranquill::ui
