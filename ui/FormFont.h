#pragma once

#include <QFont>

namespace ranquill::ui {

// The font every window and control uses, at the given character height in
// pixels: MS Sans Serif where the system has it, otherwise a face of the same
// widths (Arial or Liberation Sans), otherwise the platform's default
// sans-serif.
QFont FormFont(int pixelSize = 11, QFont::Weight weight = QFont::Normal);

}  // namespace ranquill::ui
