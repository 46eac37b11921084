// Installing: the tree under a prefix holds what the program needs, and the installed program
// starts and finds its pages there.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "forms/desktop_services.h"

namespace curvana {
namespace {

TEST(Install, ThePrefixHoldsTheProgramPagesMenuEntryIconAndFileType)
{
    QTemporaryDir prefix;
    QProcess install;
    install.start("cmake", {"--install", CURVANA_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    for (const char* file : {"bin/curvana", "share/curvana/help/index.htm", "share/curvana/help/数学网页.htm",
             "share/curvana/help/home.htm", "share/curvana/help/collection.htm", "share/applications/curvana.desktop",
             "share/icons/hicolor/scalable/apps/curvana.svg", "share/mime/packages/curvana.xml"})
        EXPECT_TRUE(QFileInfo(QDir(prefix.path()), QString::fromUtf8(file)).isFile()) << file;

    const QString programDir = prefix.filePath("bin");
    for (const char* page : {"index.htm", "数学网页.htm"})
        EXPECT_TRUE(helpPagePathFrom(programDir, QString::fromUtf8(page)).startsWith(prefix.path())) << page;

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(prefix.filePath("bin/curvana"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(1500))
        << "the installed program keeps running: " << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished(5000);
}

} // namespace
} // namespace curvana
