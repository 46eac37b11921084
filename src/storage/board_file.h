#pragma once
// The board saved as a file: UTF-8 JSON with the extension .curvana, one action per line. A file
// is only data: nothing in it is run and no path in it is followed. Opening either gives every
// action or a Chinese message and nothing, so a bad file never changes the board.
#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "core/board_action.h"
#include "storage/board_file_limits.h"

namespace curvana {

inline constexpr const char* kBoardFileSuffix = "curvana";

// The actions of an opened board, or the message saying why it cannot be opened.
using BoardReadResult = std::variant<std::vector<BoardAction>, QString>;

QByteArray encodeBoard(const std::vector<BoardAction>& actions);
// Any version up to kBoardFormatVersion; every curve and figure is checked by computing it.
BoardReadResult decodeBoard(const QByteArray& bytes);

// Writes beside the old file and renames over it, so a failed save leaves the old file as it
// was. Nothing on success, else the message.
std::optional<QString> writeBoardFile(const QString& path, const std::vector<BoardAction>& actions);
BoardReadResult readBoardFile(const QString& path);

// $XDG_STATE_HOME/curvana/recovery.curvana, by default ~/.local/state/curvana/recovery.curvana.
QString recoveryFilePath();
// Saves to recoveryFilePath(), creating its folder first.
std::optional<QString> writeRecoveryFile(const std::vector<BoardAction>& actions);

} // namespace curvana
