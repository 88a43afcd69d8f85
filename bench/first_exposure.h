#pragma once

#include <QObject>

// Watches the application for the first window to become exposed. Once that
// exposure has been handled (the window painted), prints the monotonic
// clock in nanoseconds on stdout and leaves the event loop: the moment the
// user first sees a window.
class FirstExposure : public QObject {
  public:
    // Watches every object of the application; create it before any window
    // is shown.
    FirstExposure();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool seen_ = false;
};
