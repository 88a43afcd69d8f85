// Saves a picture of the working window in the middle of a decision: a few
// options set up by hand, some pairs judged, the next answer typed. Used by
// scripts/screenshot for the README; everything goes through the real
// buttons and entry box.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "Unit3.h"
#include "decision_engine.h"

namespace {

class Clicker {
  public:
    explicit Clicker(QWidget& form) : form_(form) {}

    void Type(const QString& text) {
        form_.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
    }
    void Press(const char* buttonName) {
        form_.findChild<QPushButton*>(QString::fromLatin1(buttonName))->click();
    }

  private:
    QWidget& form_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return EXIT_FAILURE;
    }
    ranquill::DecisionEngine engine;
    QApplication application(argc, argv);
    ranquill::ui::TForm1 form(engine);
    form.show();
    Clicker clicker(form);

    clicker.Press("Button2");  // Manual Set
    const QStringList options = {QStringLiteral("Cycle to work"), QStringLiteral("Take the train"),
                                 QStringLiteral("Drive"), QStringLiteral("Work from home"),
                                 QStringLiteral("Share a car")};
    clicker.Type(QString::number(options.size()));
    clicker.Press("Button1");
    for (const QString& option : options) {
        clicker.Type(option);
        clicker.Press("Button1");
    }
    clicker.Press("Button3");  // Process

    // Three pairs judged, one each way the window offers.
    clicker.Type(QStringLiteral("1"));
    clicker.Press("Button1");
    clicker.Type(QStringLiteral("3"));
    clicker.Press("Button1");
    clicker.Press("Button6");  // Option 2
    clicker.Press("Button8");  // Betterment B
    clicker.Press("Button5");  // Option 1
    clicker.Press("Button7");  // Betterment A
    // The answer to the fourth pair typed but not yet entered.
    clicker.Type(QStringLiteral("2"));

    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
