#pragma once
// The recovery file as a journal, so that a step costs one short line whatever the board holds:
// a header line, then one line per step, either the action done or {"type": "undo"}. It is written
// whole again (compacted) when the board was cleared or opened, after a save, when the undo lines
// pile up and after a failed write. A torn last line, from a crash mid-write, is ignored on reading.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/document/board_action.h"

namespace curvana {

// The first line of a journal; readBoardFile tells it from a saved board by it.
QByteArray journalHeader();

class RecoveryJournal {
public:
    // Brings the file at `path` in line with `actions`, the board's whole history: the file holds
    // the actions since the last clear. A step adds or undoes one action, and so one line; anything
    // else, or another path, writes the file whole. Nothing on success, else the message; a failed
    // write leaves the file as it was after the last good one.
    std::optional<QString> record(const QString& path, const std::vector<BoardAction>& actions);
    // Writes the file whole, through a temporary file, so a failure keeps the old one.
    std::optional<QString> compact(const QString& path, const std::vector<BoardAction>& actions);
    // The document was replaced as a whole (a board opened): the next record writes the file whole.
    void startOver() { m_inStep = false; }

private:
    std::optional<QString> append(const QByteArray& line);

    QString m_path;
    std::size_t m_first = 0; // the document's index of the first action the file holds
    std::size_t m_count = 0; // how many actions the file holds
    std::size_t m_stepLines = 0; // lines appended since the file was last written whole
    bool m_inStep = false; // false: the file does not follow the document, write it whole
};

} // namespace curvana
