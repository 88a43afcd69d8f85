#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace ranquill::ui {

// Places a window so that its outer rectangle, frame included, is `outer`.
// The frame's size is known only once the window is shown (and is zero where
// the platform draws none), so the client size is corrected once it is.
class OuterGeometry : public QObject {
    Q_OBJECT

  public:
    static void Apply(QWidget* window, QRect outer);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OuterGeometry(QWidget* window, QRect outer);
    void FitFrame();

    QWidget* window_;
    QRect outer_;
};

}  // namespace ranquill::ui
