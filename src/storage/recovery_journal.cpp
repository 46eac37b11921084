#include "storage/recovery_journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"
#include "storage/board_file_messages.h"

namespace curvana {

namespace {

constexpr const char* kUndoLine = "{\"type\": \"undo\"}\n";
// Undo lines beyond this many per action held make the next step write the file whole, so an
// evening of undo and redo never makes the file (or reading it) grow without end.
constexpr std::size_t kSpareLinesPerAction = 2;
constexpr std::size_t kSpareLines = 1000;

} // namespace

QByteArray journalHeader()
{
    return "{\"format\": \"" + QByteArray(kJournalFormatName)
        + "\", \"version\": " + QByteArray::number(kBoardFormatVersion) + "}\n";
}

std::optional<QString> RecoveryJournal::record(const QString& path, const std::vector<BoardAction>& actions)
{
    const std::size_t first = firstShownAction(actions);
    const std::size_t count = actions.size() - first;
    const bool tooLong = m_stepLines > kSpareLinesPerAction * m_count + kSpareLines;
    if (!m_inStep || path != m_path || first != m_first || tooLong)
        return compact(path, actions);
    if (count == m_count + 1) {
        if (auto problem = append(encodeAction(actions.back()) + '\n'))
            return problem;
    } else if (count + 1 == m_count) {
        if (auto problem = append(kUndoLine))
            return problem;
    } else {
        return compact(path, actions);
    }
    m_count = count;
    ++m_stepLines;
    return std::nullopt;
}

std::optional<QString> RecoveryJournal::compact(const QString& path, const std::vector<BoardAction>& actions)
{
    m_inStep = false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return board_messages::cannotSave(path, board_messages::reasonCannotCreateFolder());
    const std::size_t first = firstShownAction(actions);
    QByteArray bytes = journalHeader();
    for (std::size_t i = first; i < actions.size(); ++i)
        bytes += encodeAction(actions[i]) + '\n';
    if (auto problem = replaceFile(path, bytes))
        return board_messages::cannotSave(path, *problem);
    m_path = path;
    m_first = first;
    m_count = actions.size() - first;
    m_stepLines = 0;
    m_inStep = true;
    return std::nullopt;
}

std::optional<QString> RecoveryJournal::append(const QByteArray& line)
{
    // Unbuffered, so a line that did not fit is cut back at once and nothing half-written is
    // flushed later when the file closes.
    QFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_inStep = false;
        return board_messages::cannotSave(m_path, failureReason(errno, m_path));
    }
    const qint64 before = file.size();
    errno = 0;
    if (file.write(line) == line.size())
        return std::nullopt;
    const int error = errno;
    file.resize(before);
    m_inStep = false;
    return board_messages::cannotSave(m_path, failureReason(error, m_path));
}

} // namespace curvana
