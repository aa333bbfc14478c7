#include "ui/ExceptionReporting.h"

#include <gtest/gtest.h>

// GUI tests run under the program's own application object, so an exception
// escaping a slot reaches the exception reporting as it does in the program.
// An unexpected report fails the test instead of opening a modal dialog.
int main(int argc, char** argv)
{
    // Qt WebEngine views need shared GL contexts set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lumivane::LumivaneApplication app(argc, argv);
    lumivane::ExceptionReporting::setPresenter([](const std::string& message) {
        ADD_FAILURE() << "unexpected error report: " << message;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
