// Test entry for everything that needs a QApplication; runs headless unless told otherwise.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/startup.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The board writes its recovery file after every step: into a folder of this run, never the
    // user's own.
    QTemporaryDir stateHome;
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    // Settings the board remembers (the reveal's speed) go to a folder of this run too.
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    curvana::prepareApplication(app);
    return RUN_ALL_TESTS();
}
