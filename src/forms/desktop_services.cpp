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

MessageSink& messageSink()
{
    static MessageSink sink;
    return sink;
}

QString& pageLauncher()
{
    static QString launcher = QStringLiteral("xdg-open");
    return launcher;
}

QStringList& paintPrograms()
{
    static QStringList programs{QStringLiteral("kolourpaint"), QStringLiteral("mtpaint"),
                                QStringLiteral("pinta"), QStringLiteral("drawing"),
                                QStringLiteral("xpaint"), QStringLiteral("gimp")};
    return programs;
}

SaveFileChooser& saveFileChooser()
{
    static SaveFileChooser chooser;
    return chooser;
}

OpenFileChooser& openFileChooser()
{
    static OpenFileChooser chooser;
    return chooser;
}

std::function<void()>& programEnder()
{
    static std::function<void()> ender;
    return ender;
}

// The folder the last file was saved into during this run; empty before the first save.
QString& lastSaveFolder()
{
    static QString folder;
    return folder;
}

// Where a save dialog opens: the last folder used, else the user's pictures folder, else home.
// Never the working directory, which for a program started from a menu is nobody's choice.
QString saveFolder()
{
    if (!lastSaveFolder().isEmpty())
        return lastSaveFolder();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

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

} // namespace

void setMessageSink(MessageSink sink) { messageSink() = std::move(sink); }

QMessageBox::StandardButton showMessage(QWidget* parent, const MessageRequest& request)
{
    if (isClosed(parent))
        return QMessageBox::NoButton;
    if (messageSink())
        return messageSink()(parent, request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showBrowserError(QWidget* parent)
{
    showMessage(parent, {QStringLiteral("错误："), QStringLiteral("调用浏览器错误！"), QMessageBox::Critical});
}

void setPageLauncher(const QString& program) { pageLauncher() = program; }

void openPage(QWidget* parent, const QString& address)
{
    if (!isWebAddress(address) && (address.isEmpty() || !QFileInfo::exists(address))) {
        showBrowserError(parent);
        return;
    }
    const QString target = isWebAddress(address) ? address : QUrl::fromLocalFile(address).toString();
    auto* launcher = new QProcess;
    launcher->setProgram(pageLauncher());
    launcher->setArguments({target});
    // The launcher may hand over to a browser that outlives us: it is deliberately not parented,
    // so quitting never kills the browser it started.
    // A window deleted meanwhile gets no error box of its own.
    const bool owned = parent != nullptr;
    QPointer<QWidget> owner(parent);
    const auto reportError = [owned, owner] {
        if (!owned || owner)
            showBrowserError(owner);
    };
    QObject::connect(launcher, &QProcess::finished, launcher, [launcher, reportError](int code, QProcess::ExitStatus status) {
        if (code != 0 || status != QProcess::NormalExit)
            reportError();
        launcher->deleteLater();
    });
    QObject::connect(launcher, &QProcess::errorOccurred, launcher, [launcher, reportError](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        reportError();
        launcher->deleteLater();
    });
    launcher->start();
}

QString helpPagePath(const QString& fileName)
{
    return helpPagePathFrom(QCoreApplication::applicationDirPath(), fileName);
}

QString helpPagePathFrom(const QString& appDir, const QString& fileName)
{
    const QStringList dirs{appDir + QStringLiteral("/../" CURVANA_INSTALL_HELP_DIR),
                           QStringLiteral(CURVANA_BUILD_HELP_DIR)};
    for (const QString& dir : dirs) {
        const QFileInfo page(QDir(dir), fileName);
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return {};
}

void setPaintPrograms(const QStringList& programs) { paintPrograms() = programs; }

namespace {

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

void startPaintProgram(QWidget* parent)
{
    for (const QString& name : paintPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, paintProgramArguments(path)))
            return;
    }
    showMessage(parent, {QStringLiteral("画图"),
                         QStringLiteral("没有找到可以使用的画图程序。请先安装一个画图程序（例如 KolourPaint 或 mtPaint）。"),
                         QMessageBox::Warning});
}

void setSaveFileChooser(SaveFileChooser chooser) { saveFileChooser() = std::move(chooser); }

QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                       QString* selectedFilter)
{
    const QString start = QDir(saveFolder()).filePath(suggested);
    const QString chosen = saveFileChooser() ? saveFileChooser()(parent, title, start, filter, selectedFilter)
                                             : QFileDialog::getSaveFileName(parent, title, start, filter, selectedFilter);
    if (!chosen.isEmpty())
        lastSaveFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

void setOpenFileChooser(OpenFileChooser chooser) { openFileChooser() = std::move(chooser); }

QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (openFileChooser())
        return openFileChooser()(parent, title, folder, filter);
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void forgetLastSaveFolder() { lastSaveFolder().clear(); }

void setProgramEnder(std::function<void()> ender) { programEnder() = std::move(ender); }

void endProgram()
{
    if (programEnder()) {
        programEnder()();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace curvana
