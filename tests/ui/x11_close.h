#pragma once

namespace ranquill::testing {

// Asks the X11 window `window` on $DISPLAY to close, as a window manager's
// close box does (WM_DELETE_WINDOW). False when no display could be opened.
bool RequestWindowClose(unsigned long window);

}  // namespace ranquill::testing
