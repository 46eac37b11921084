#pragma once
// The board saved as a file: UTF-8 JSON with the extension .curvana, one action per line. A file
// is only data: nothing in it is run and no path in it is followed. Opening either gives every
// action or a Chinese message and nothing, so a bad file never changes the board.
#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "core/document/board_action.h"
#include "core/view/view_window.h"
#include "storage/board_file_limits.h"

namespace curvana {

inline constexpr const char* kBoardFileSuffix = "curvana";
// The "format" of the recovery journal (recovery_journal.h), which opens like a board file.
inline constexpr const char* kJournalFormatName = "curvana-journal";

// The actions of an opened board, or the message saying why it cannot be opened.
using BoardReadResult = std::variant<std::vector<BoardAction>, QString>;

// The view the board showed is written only when it is not the designed one.
QByteArray encodeBoard(const std::vector<BoardAction>& actions, const ViewWindow& view = {});
// Any version up to kBoardFormatVersion, a saved board or a recovery journal; every curve and
// figure is checked by computing it. `view`, when given, receives the view the file recorded: the
// designed view for a file without one (an older file, a journal) or with one that cannot be drawn.
BoardReadResult decodeBoard(const QByteArray& bytes, ViewWindow* view = nullptr);

// Writes beside the old file and renames over it, so a failed save leaves the old file as it
// was. Nothing on success, else the message.
std::optional<QString> writeBoardFile(
    const QString& path, const std::vector<BoardAction>& actions, const ViewWindow& view = {});
BoardReadResult readBoardFile(const QString& path, ViewWindow* view = nullptr);

// Replaces the file at `path` with `bytes`, or leaves it untouched: nothing on success, else the
// reason in the user's words.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);
// The reason for a failed open, read or write, from errno just after it, in the user's words.
QString failureReason(int error, const QString& path);

} // namespace curvana
