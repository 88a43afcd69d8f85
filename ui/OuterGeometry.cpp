#include "OuterGeometry.h"

#include <QEvent>
#include <QWidget>

namespace ranquill::ui {

void OuterGeometry::Apply(QWidget* window, QRect outer) {
    window->move(outer.topLeft());
    window->resize(outer.size());
    window->installEventFilter(new OuterGeometry(window, outer));
}

OuterGeometry::OuterGeometry(QWidget* window, QRect outer)
    : QObject(window), window_(window), outer_(outer) {}

bool OuterGeometry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
        FitFrame();
    }
    return false;
}

void OuterGeometry::FitFrame() {
    const QSize frame = window_->frameGeometry().size() - window_->size();
    if (frame.isNull()) return;
    // Once the frame is known the window is the user's to move and resize.
    window_->resize(outer_.size() - frame);
    window_->removeEventFilter(this);
    deleteLater();
}

}  // namespace ranquill::ui
