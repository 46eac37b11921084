#include "board/board_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "forms/desktop_services.h"
#include "storage/board_file.h"

namespace curvana {
namespace {

QString boardFilter() { return QStringLiteral("Curvana 图板 (*.%1)").arg(QString::fromLatin1(kBoardFileSuffix)); }

// The user's documents folder; the home folder when there is none, since a file dialog given a
// folder that does not exist opens wherever the program was started.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

QString chooseBoardToOpen(DesktopServices& services, QWidget* parent)
{
    return services.chooseOpenFile(parent, QStringLiteral("打开图板"), documentsFolder(), boardFilter());
}

QString chooseBoardToSave(DesktopServices& services, QWidget* parent)
{
    const QString suggested = QDir(documentsFolder()).filePath(QStringLiteral("图板.%1").arg(kBoardFileSuffix));
    const QString chosen = services.chooseSaveFile(parent, QStringLiteral("保存图板"), suggested, boardFilter());
    // Any other ending ("lesson.v2") would hide the file from the open dialog's filter.
    const QString suffix = QLatin1Char('.') + QString::fromLatin1(kBoardFileSuffix);
    if (chosen.isEmpty() || chosen.endsWith(suffix, Qt::CaseInsensitive))
        return chosen;
    return chosen + suffix;
}

QString boardWindowTitle(const QString& path) { return QStringLiteral("Curvana — %1").arg(QFileInfo(path).fileName()); }

} // namespace curvana
