#include "EditEntry.h"

#include <QLineEdit>

namespace ranquill::ui {

std::string EditEntry::Text() const { return edit_->text().toLocal8Bit().toStdString(); }

void EditEntry::Clear() { edit_->clear(); }

}  // namespace ranquill::ui
