#include "ApplicationSetup.h"

#include <QApplication>
#include <QIcon>

namespace ranquill::ui {

void PrepareApplication() {
    // Only the welcome window's closing ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ranquill.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("ranquill"));
}

}  // namespace ranquill::ui
