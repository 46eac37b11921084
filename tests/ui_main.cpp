// Test entry for everything that needs a QApplication; runs headless unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/startup.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    curvana::prepareApplication(app);
    return RUN_ALL_TESTS();
}
