#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPlainTextEdit;

namespace ranquill::testing {

// Stands in for the modal error box while it lives, recording each box the
// program would have shown.
class ErrorBoxRecorder {
  public:
    struct Box {
        QString caption;
        QString text;
    };

    ErrorBoxRecorder();
    ~ErrorBoxRecorder();
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    std::vector<Box> shown;
};

// The child of `window` with the given objectName; fails the test when absent.
template <typename Widget>
Widget* Control(const QWidget* window, const char* name) {
    auto* control = window->findChild<Widget*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return control;
}

// Clicks the button of that name with the mouse.
void Click(const QWidget* window, const char* buttonName);
// Types `text` into the window's Edit1 and clicks Enter.
void Answer(const QWidget* window, const QString& text);
// Every line of a text control, as the user sees them.
QStringList Lines(const QPlainTextEdit* memo);

}  // namespace ranquill::testing
