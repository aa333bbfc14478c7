#include <QApplication>

#include <gtest/gtest.h>

// GUI tests share one QApplication; the headless environment comes from CTest.
int main(int argc, char** argv)
{
    // Qt WebEngine views need shared GL contexts set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
