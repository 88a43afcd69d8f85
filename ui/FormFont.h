#pragma once

#include <QFont>

namespace ranquill::ui {

// The font every window and control uses: MS Sans Serif where the system has
// it, otherwise the platform's default sans-serif, at the given character
// height in pixels.
QFont FormFont(int pixelSize = 11, QFont::Weight weight = QFont::Normal);

}  // namespace ranquill::ui
