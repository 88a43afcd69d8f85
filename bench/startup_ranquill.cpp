// The program's own start-up, up to the welcome window shown: the engine,
// the application, the start-up sequence, as the program's entry does them.
#include <QApplication>

#include "ApplicationSetup.h"
#include "StartupSequence.h"
#include "decision_engine.h"
#include "first_exposure.h"

int main(int argc, char* argv[]) {
    ranquill::DecisionEngine engine;
    QApplication application(argc, argv);
    ranquill::ui::PrepareApplication();
    const FirstExposure exposure;
    ranquill::ui::StartupSequence startup(engine);
    startup.Start();
    return QApplication::exec();
}
