#include "first_exposure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

FirstExposure::FirstExposure() { QCoreApplication::instance()->installEventFilter(this); }

bool FirstExposure::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Expose) {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (window && window->isExposed()) {
            seen_ = true;
            // Runs once the exposure, and so the first painting, is done.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
    }
    return false;
}
