// The baseline start-up: a bare Qt window of the welcome window's size.
#include <QApplication>
#include <QWidget>

#include "first_exposure.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const FirstExposure exposure;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setGeometry(192, 114, 735, 408);
    window.show();
    return QApplication::exec();
}
