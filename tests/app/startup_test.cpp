// Start-up: Chinese everywhere, and a clear word instead of an abort without a display.
#include <QAbstractButton>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace curvana {
namespace {

TEST(Startup, QtsOwnButtonsAndMenusSpeakChinese)
{
    QMessageBox box(QMessageBox::Information, "t", "t", QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "确定");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "取消");
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << action->text();
    EXPECT_TRUE(captions.join(' ').contains("复制")) << captions.join(' ').toStdString();
}

TEST(Startup, WithoutADisplayTheProgramSaysSoAndExits)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CURVANA_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    const QString said = QString::fromUtf8(program.readAllStandardError()).trimmed();
    EXPECT_EQ(said.count('\n'), 0) << said.toStdString();
    EXPECT_TRUE(said.contains("图形显示")) << said.toStdString();
}

TEST(Startup, AnUnreachableDisplayIsReportedTheSameWay)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    int unused = 3000; // a display number no X server here listens on
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(unused))
        || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(unused)))
        ++unused;
    env.insert("DISPLAY", QStringLiteral(":%1").arg(unused));
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CURVANA_PROGRAM), {});
    const bool finished = program.waitForFinished(20000);
    if (!finished)
        program.kill();
    ASSERT_TRUE(finished);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains("无法打开图形显示"));
}

} // namespace
} // namespace curvana
