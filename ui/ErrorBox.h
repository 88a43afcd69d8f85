#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ranquill::ui {

// The program's box for a failure that ended an operation: a critical
// message, application-modal, with a single OK.
class ErrorBox {
  public:
    // Shows `message` and returns once the user dismissed the box.
    static void Show(QWidget* parent, const QString& message);

    // The box's text: the message with a full stop appended when its last
    // character sorts above the full stop.
    static QString TextFor(const QString& message);
    // The box's caption: the executable's file name without its directory,
    // cut at its first dot, every character after the first in lower case.
    static QString CaptionFor(const QString& executablePath);

    // Replaces the modal box, for tests: `presenter` receives the caption
    // and text instead. An empty presenter restores the real box.
    using Presenter = std::function<void(const QString& caption, const QString& text)>;
    static void SetPresenter(Presenter presenter);
};

}  // namespace ranquill::ui
