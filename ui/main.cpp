#include <QApplication>

#include "ApplicationSetup.h"
#include "StartupSequence.h"
#include "decision_engine.h"

int main(int argc, char* argv[]) {
    ranquill::DecisionEngine engine;
    QApplication application(argc, argv);
    ranquill::ui::PrepareApplication();
    ranquill::ui::StartupSequence startup(engine);
    startup.Start();
    return QApplication::exec();
}
