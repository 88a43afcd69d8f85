#pragma once

#include <QWidget>

namespace ranquill::ui {

// The terms window: the agreement text, Accept and Reject. Closing it only
// hides it.
class TForm7 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm7(QWidget* parent = nullptr);

    static const char* const AgreementText;

  signals:
    void Accepted();
    void Rejected();

  private:
    void Button1Click();
    void Button2Click();
};

}  // namespace ranquill::ui
