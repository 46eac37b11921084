#include "storage/recovery_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>

namespace curvana {

namespace {

// The run's name: the process id alone could come back after a reboot and take an old run's file.
const QString& runName()
{
    static const QString name = QStringLiteral("recovery-%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QDateTime::currentMSecsSinceEpoch());
    return name;
}

QString lockPathOf(const QString& boardPath) { return boardPath + QStringLiteral(".lock"); }

// No time limit: a lesson may run all day. A lock whose program is gone is still seen as stale.
void configure(QLockFile& lock) { lock.setStaleLockTime(0); }

// True when no running program holds the file's lock. Taking the lock for a moment is how
// QLockFile tells a live owner from a crashed one; it is let go at once.
bool runEnded(const QString& boardPath)
{
    QLockFile lock(lockPathOf(boardPath));
    configure(lock);
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

// Enough of a file to tell whether it holds a drawing: a journal whose lines were all undone, or
// that was cleared, holds none. Read only from its start, so a folder of large files stays quick.
bool holdsDrawing(const QString& path)
{
    constexpr qint64 kLooked = 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(kLooked);
    const qsizetype undone = start.count("\"type\": \"undo\"");
    return start.count("\"type\"") - 2 * undone > 0 || file.size() > kLooked;
}

// Every ended run's board in the folder, newest first (this run's own is never among them).
QFileInfoList endedBoards()
{
    constexpr int kLookedAt = 1000; // a folder someone filled by hand stays quick to list
    const QFileInfoList files
        = QDir(recoveryFolder()).entryInfoList({QStringLiteral("*.curvana")}, QDir::Files, QDir::Time);
    const QString own = QFileInfo(recoveryFilePath()).absoluteFilePath();
    QFileInfoList ended;
    for (const QFileInfo& file : files.first(std::min<qsizetype>(files.size(), kLookedAt)))
        if (file.absoluteFilePath() != own && runEnded(file.absoluteFilePath()))
            ended.push_back(file);
    return ended;
}

} // namespace

QString recoveryFolder()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules ignore a relative path.
    if (stateHome.isEmpty() || QDir::isRelativePath(stateHome))
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/curvana");
}

QString recoveryFilePath() { return recoveryFolder() + QLatin1Char('/') + runName() + QStringLiteral(".curvana"); }

std::unique_ptr<QLockFile> claimRecoveryFile()
{
    if (!QDir().mkpath(recoveryFolder()))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(lockPathOf(recoveryFilePath()));
    configure(*lock);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

QString lastEndedBoardPath()
{
    for (const QFileInfo& file : endedBoards())
        if (holdsDrawing(file.absoluteFilePath()))
            return file.absoluteFilePath();
    return {};
}

void pruneEndedBoards()
{
    int kept = 0;
    for (const QFileInfo& file : endedBoards()) {
        if (holdsDrawing(file.absoluteFilePath()) && kept < kKeptEndedBoards) {
            ++kept;
            continue;
        }
        QFile::remove(file.absoluteFilePath());
    }
}

} // namespace curvana
