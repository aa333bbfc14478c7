#include "app/FMain.h"
#include "platform/ProgramFolder.h"
#include "platform/WebEngineEnvironment.h"
#include "ui/ExceptionReporting.h"

int main(int argc, char** argv)
{
    lumivane::prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lumivane::LumivaneApplication application(argc, argv);
    lumivane::TfrmMain frmMain(lumivane::programFolder());
    frmMain.show();
    return application.exec();
}
