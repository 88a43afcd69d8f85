#pragma once

#include <string>

namespace ranquill::testing {

// The IoError code that opening `name` as an option file fails with, or 0
// when it opens.
int OpenFailureCode(const std::string& name);

}  // namespace ranquill::testing
