#pragma once

#include <QWidget>

namespace ranquill::ui {

// The welcome window: the banner, a greeting and Continue. It is the
// program's main window; closing it ends the program.
class TForm5 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm5(QWidget* parent = nullptr);

  signals:
    // Continue was pressed: a terms window is wanted.
    void ContinueRequested();
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Button1Click();
};

}  // namespace ranquill::ui
