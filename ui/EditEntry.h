#pragma once

#include <string>

#include "entry_source.h"

class QLineEdit;

namespace ranquill::ui {

// Lets the engine read and clear a single-line entry box; the text crosses
// over in the system's local 8-bit encoding.
class EditEntry : public EntrySource {
  public:
    explicit EditEntry(QLineEdit* edit) : edit_(edit) {}

    std::string Text() const override;
    void Clear() override;

  private:
    QLineEdit* edit_;
};

}  // namespace ranquill::ui
