#include "storage/previous_board.h"

#include <QFile>
#include <QFileInfo>

#include "storage/board_file.h"

namespace curvana {

QString previousBoardFilePath()
{
    return QFileInfo(recoveryFilePath()).absolutePath() + QStringLiteral("/previous.curvana");
}

bool keepPreviousBoard()
{
    const QString recovery = recoveryFilePath();
    if (!QFileInfo::exists(recovery))
        return true;
    const QString previous = previousBoardFilePath();
    // QFile::rename does not replace; the older previous board goes only once a newer one exists.
    if (QFileInfo::exists(previous) && !QFile::remove(previous))
        return false;
    return QFile::rename(recovery, previous);
}

} // namespace curvana
