#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/welcome_window.h"
#include "app/startup.h"
#include <QLockFile>
#include <memory>

#include "forms/desktop_services.h"
#include "storage/recovery_files.h"

namespace {

bool displayAvailable()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qgetenv("DISPLAY").isEmpty()
        || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

// Qt ends with an abort when it cannot reach the display; say so in one line and exit instead.
void fatalToExit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Curvana: 无法打开图形显示，程序不能启动。\n");
        std::_Exit(2);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Curvana: 没有图形显示（DISPLAY 未设置），程序不能启动。\n");
        return 2;
    }
    qInstallMessageHandler(fatalToExit);
    // Made before the application, so it outlives every window handed it.
    curvana::SystemDesktopServices services;
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    curvana::prepareApplication(app);
    // This run's own recovery file, locked until the program ends, so another program running now
    // never takes it for an ended run's board; then the ended runs' empty and oldest files go.
    const std::unique_ptr<QLockFile> recoveryLock = curvana::claimRecoveryFile();
    curvana::pruneEndedBoards();
    auto* welcome = new curvana::WelcomeWindow(services);
    // `curvana FILE`, as a file manager starts it for a board file.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        welcome->setBoardFile(arguments.at(1));
    welcome->show();
    return app.exec();
}
