#pragma once

namespace ranquill::ui {

// Settings of the application object that every start of the program makes,
// right after the application object exists.
void PrepareApplication();

}  // namespace ranquill::ui
