#include <QApplication>

#include "StartupSequence.h"
#include "decision_engine.h"

int main(int argc, char* argv[]) {
    ranquill::DecisionEngine engine;
    QApplication application(argc, argv);
    // Only the welcome window's closing ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    ranquill::ui::StartupSequence startup(engine);
    startup.Start();
    return QApplication::exec();
}
