// The real desktop services: what reaches the user when a page or a paint program cannot be
// opened, and which message boxes are not shown at all.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "forms/desktop_services.h"
#include "forms/pages.h"

namespace curvana {
namespace {

// The real launchers and paint programs, with the message boxes recorded instead of shown.
struct ObservedDesktop final : SystemDesktopServices {
    std::vector<MessageRequest>& messages;
    ObservedDesktop(std::vector<MessageRequest>& shown, QString launcher, QStringList paintPrograms = {})
        : SystemDesktopServices(std::move(launcher), std::move(paintPrograms))
        , messages(shown)
    {
    }

protected:
    QMessageBox::StandardButton presentMessage(QWidget*, const MessageRequest& request) override
    {
        messages.push_back(request);
        return QMessageBox::Ok;
    }
};

// Long enough for a stand-in launcher to start and end.
void waitForMessages(const std::vector<MessageRequest>& messages)
{
    for (int i = 0; i < 100 && messages.empty(); ++i)
        QTest::qWait(20);
    QTest::qWait(50);
}

TEST(DesktopServices, APageThatCannotBeOpenedShowsTheBrowserErrorEvenWhenTheLauncherFailsLater)
{
    const QString helpPage = helpPagePath(QString::fromUtf8(kHelpPage));
    ASSERT_FALSE(helpPage.isEmpty());
    struct Row {
        const char* launcher;
        QString address;
        bool error;
    };
    const Row rows[] = {
        {"true", QStringLiteral("/no/such/index.htm"), true},
        {"true", QString(), true},
        {"false", helpPage, true},
        {"/no/such/launcher", helpPage, true},
        {"true", helpPage, false},
        {"true", QStringLiteral("https://example.org/"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.launcher) + " " + row.address.toStdString());
        std::vector<MessageRequest> messages;
        ObservedDesktop desktop(messages, QString::fromUtf8(row.launcher));
        QWidget window;
        window.show();
        desktop.openPage(&window, row.address);
        waitForMessages(messages);
        ASSERT_EQ(messages.size(), row.error ? 1u : 0u);
        if (row.error) {
            EXPECT_EQ(messages[0].title, "错误：");
            EXPECT_EQ(messages[0].text, "调用浏览器错误！");
            EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        }
    }
}

TEST(DesktopServices, ALauncherThatOutlivesItsServicesOrItsWindowReportsNothing)
{
    std::vector<MessageRequest> messages;
    const QString helpPage = helpPagePath(QString::fromUtf8(kHelpPage));
    {
        ObservedDesktop desktop(messages, QStringLiteral("false"));
        desktop.openPage(nullptr, helpPage);
    }
    ObservedDesktop desktop(messages, QStringLiteral("false"));
    auto* window = new QWidget;
    window->show();
    desktop.openPage(window, helpPage);
    delete window;
    QTest::qWait(500);
    EXPECT_TRUE(messages.empty());
}

TEST(DesktopServices, TheFirstPaintProgramFoundStartsIconicWhenItCanOtherwiseAMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A name, the arguments it must be started with; nullptr: it does not exist.
    const std::pair<const char*, const char*> rows[] = {{"xpaint", "-iconic"}, {"mtpaint", ""}, {"gimp", nullptr}};
    for (const auto& [name, arguments] : rows) {
        SCOPED_TRACE(name);
        const QString program = dir.filePath(QString::fromUtf8(name));
        const QString record = program + QStringLiteral(".args");
        if (arguments) {
            QFile script(program);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho \"$*\" > '%1'\n").arg(record).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        std::vector<MessageRequest> messages;
        ObservedDesktop desktop(messages, QStringLiteral("true"), {QStringLiteral("no-such-paint-program"), program});
        desktop.startPaintProgram(nullptr);
        if (!arguments) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, "画图");
            EXPECT_TRUE(messages[0].text.contains("画图程序"));
            continue;
        }
        EXPECT_TRUE(messages.empty());
        for (int i = 0; i < 100 && !QFile::exists(record); ++i)
            QTest::qWait(20);
        QTest::qWait(50);
        QFile written(record);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()).trimmed(), QString::fromUtf8(arguments));
    }
}

TEST(DesktopServices, AClosedWindowOrOneWhoseOwnerIsClosedAsksNothing)
{
    std::vector<MessageRequest> messages;
    ObservedDesktop desktop(messages, QStringLiteral("true"));
    QWidget owner;
    auto* child = new QWidget(&owner, Qt::Window);
    QWidget neverShown;
    owner.show();
    child->show();
    const MessageRequest request{QStringLiteral("试验"), QStringLiteral("文字")};
    EXPECT_EQ(desktop.showMessage(child, request), QMessageBox::Ok);
    EXPECT_EQ(desktop.showMessage(&neverShown, request), QMessageBox::Ok) << "not yet shown is not closed";
    EXPECT_EQ(desktop.showMessage(nullptr, request), QMessageBox::Ok);
    EXPECT_EQ(messages.size(), 3u);
    owner.close();
    EXPECT_EQ(desktop.showMessage(child, request), QMessageBox::NoButton) << "its owner is closed";
    EXPECT_EQ(desktop.showMessage(&owner, request), QMessageBox::NoButton);
    EXPECT_EQ(messages.size(), 3u);
}

} // namespace
} // namespace curvana
