#include "forms/desktop_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QWidget>
#include <QStandardPaths>
#include <QUrl>

namespace curvana {
namespace {

bool isWebAddress(const QString& address)
{
    return address.startsWith(QLatin1String("http://")) || address.startsWith(QLatin1String("https://"));
}

// A window that was shown and is now closed, or whose owner is, asks the user nothing any more:
// its box would stand alone on the screen after the program's last window is gone.
bool isClosed(const QWidget* parent)
{
    for (const QWidget* window = parent ? parent->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window->testAttribute(Qt::WA_WState_ExplicitShowHide) && window->isHidden())
            return true;
    }
    return false;
}

// The paint program opens minimised, out of the board's way, where it can be asked to: X toolkit
// programs (xpaint) take the toolkit's "-iconic". Qt/KDE (kolourpaint), GTK (mtpaint, pinta,
// drawing, gimp) programs have no portable option to start minimised and open normally.
QStringList paintProgramArguments(const QString& program)
{
    static const QStringList xToolkitPrograms{QStringLiteral("xpaint")};
    return xToolkitPrograms.contains(QFileInfo(program).fileName()) ? QStringList{QStringLiteral("-iconic")}
                                                                    : QStringList{};
}

} // namespace

QMessageBox::StandardButton DesktopServices::showMessage(QWidget* parent, const MessageRequest& request)
{
    if (isClosed(parent))
        return QMessageBox::NoButton;
    return presentMessage(parent, request);
}

QString DesktopServices::chooseSaveFile(
    QWidget* parent, const QString& title, const QString& suggested, const QString& filter, QString* selectedFilter)
{
    // The last folder used, else the user's pictures folder, else home; never the working
    // directory, which for a program started from a menu is nobody's choice.
    QString folder = m_lastSaveFolder;
    if (folder.isEmpty()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        folder = !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    }
    const QString chosen = askSaveFileName(parent, title, QDir(folder).filePath(suggested), filter, selectedFilter);
    if (!chosen.isEmpty())
        m_lastSaveFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

SystemDesktopServices::SystemDesktopServices(QString pageLauncher, QStringList paintPrograms)
    : m_pageLauncher(std::move(pageLauncher))
    , m_paintPrograms(std::move(paintPrograms))
{
}

QStringList SystemDesktopServices::defaultPaintPrograms()
{
    return {QStringLiteral("kolourpaint"), QStringLiteral("mtpaint"), QStringLiteral("pinta"),
        QStringLiteral("drawing"), QStringLiteral("xpaint"), QStringLiteral("gimp")};
}

QMessageBox::StandardButton SystemDesktopServices::presentMessage(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SystemDesktopServices::askSaveFileName(
    QWidget* parent, const QString& title, const QString& start, const QString& filter, QString* selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, title, start, filter, selectedFilter);
}

QString SystemDesktopServices::chooseOpenFile(
    QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void SystemDesktopServices::showBrowserError(QWidget* parent)
{
    showMessage(parent, {QStringLiteral("错误："), QStringLiteral("调用浏览器错误！"), QMessageBox::Critical});
}

void SystemDesktopServices::openPage(QWidget* parent, const QString& address)
{
    if (!isWebAddress(address) && (address.isEmpty() || !QFileInfo::exists(address))) {
        showBrowserError(parent);
        return;
    }
    const QString target = isWebAddress(address) ? address : QUrl::fromLocalFile(address).toString();
    // The launcher may hand over to a browser that outlives us: it is deliberately not parented,
    // so quitting never kills the browser it started.
    auto* launcher = new QProcess;
    launcher->setProgram(m_pageLauncher);
    launcher->setArguments({target});
    QObject::connect(launcher, &QProcess::finished, launcher, &QObject::deleteLater);
    QObject::connect(launcher, &QProcess::errorOccurred, launcher, [launcher](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            launcher->deleteLater();
    });
    // A window deleted meanwhile gets no error box of its own.
    const bool owned = parent != nullptr;
    QPointer<QWidget> owner(parent);
    const auto reportError = [this, owned, owner] {
        if (!owned || owner)
            showBrowserError(owner);
    };
    QObject::connect(
        launcher, &QProcess::finished, &m_launchReports, [reportError](int code, QProcess::ExitStatus status) {
            if (code != 0 || status != QProcess::NormalExit)
                reportError();
        });
    QObject::connect(launcher, &QProcess::errorOccurred, &m_launchReports, [reportError](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            reportError();
    });
    launcher->start();
}

void SystemDesktopServices::startPaintProgram(QWidget* parent)
{
    for (const QString& name : m_paintPrograms) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, paintProgramArguments(path)))
            return;
    }
    showMessage(parent,
        {QStringLiteral("画图"),
            QStringLiteral("没有找到可以使用的画图程序。请先安装一个画图程序（例如 KolourPaint 或 mtPaint）。"),
            QMessageBox::Warning});
}

void SystemDesktopServices::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

QString helpPagePath(const QString& fileName)
{
    return helpPagePathFrom(QCoreApplication::applicationDirPath(), fileName);
}

QString helpPagePathFrom(const QString& appDir, const QString& fileName)
{
    const QStringList dirs{
        appDir + QStringLiteral("/../" CURVANA_INSTALL_HELP_DIR), QStringLiteral(CURVANA_BUILD_HELP_DIR)};
    for (const QString& dir : dirs) {
        const QFileInfo page(QDir(dir), fileName);
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return {};
}

} // namespace curvana
