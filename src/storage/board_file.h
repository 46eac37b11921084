#pragma once
// The board saved as a file: UTF-8 JSON with the extension .curvana, one action per line. A file
// is only data: nothing in it is run and no path in it is followed. Opening either gives every
// action or a Chinese message and nothing, so a bad file never changes the board.
#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "core/document/board_action.h"
#include "core/view/view_window.h"
#include "core/document/board_document.h"
#include "storage/board_file_limits.h"

namespace curvana {

inline constexpr const char* kBoardFileSuffix = "curvana";
// The "format" of the recovery journal (recovery_journal.h), which opens like a board file.
inline constexpr const char* kJournalFormatName = "curvana-journal";

// An opened board: its actions and the drawing each was checked with, for the board to paint.
struct OpenedBoard {
    std::vector<BoardAction> actions;
    // One for each action; none for a stroke or a clear, nor for curves and figures past what is
    // worth holding (kMaxHandedPoints), which the board computes again.
    CheckedDrawings drawings;
};
// The opened board, or the message saying why it cannot be opened.
using BoardReadResult = std::variant<OpenedBoard, QString>;

// The time one file read may take, on a clock a test can replace. A file inside every limit can
// still ask for costly work (own formulas each just inside their own time limit); past this the
// file is refused rather than leaving the board frozen. The clock is the reading thread's own
// processor time: on an idle machine that is the time the board waits, and a machine busy with
// other programs does not make the same file open one day and be refused the next.
class ReadBudget {
public:
    // The time spent so far, from any fixed start.
    using Clock = std::function<std::chrono::nanoseconds()>;
    static std::chrono::nanoseconds threadTime();
    explicit ReadBudget(std::chrono::milliseconds allowed = kMaxReadTime, Clock clock = &threadTime);
    bool spent() const { return m_clock() > m_end; }

private:
    Clock m_clock;
    std::chrono::nanoseconds m_end;
};

// The view the board showed is written only when it is not the designed one.
QByteArray encodeBoard(const std::vector<BoardAction>& actions, const ViewWindow& view = {});
// Any version up to kBoardFormatVersion, a saved board or a recovery journal; every curve and
// figure is checked by computing it, and the whole read kept within `budget`. `view`, when given,
// receives the view the file recorded: the designed view for a file without one (an older file, a
// journal) or with one that cannot be drawn.
BoardReadResult decodeBoard(
    const QByteArray& bytes, const ReadBudget& budget = ReadBudget(), ViewWindow* view = nullptr);

// Writes beside the old file and renames over it, so a failed save leaves the old file as it
// was. Nothing on success, else the message.
std::optional<QString> writeBoardFile(
    const QString& path, const std::vector<BoardAction>& actions, const ViewWindow& view = {});
BoardReadResult readBoardFile(const QString& path, const ReadBudget& budget = ReadBudget(), ViewWindow* view = nullptr);

// Replaces the file at `path` with `bytes`, or leaves it untouched: nothing on success, else the
// reason in the user's words.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);
// The reason for a failed open, read or write, from errno just after it, in the user's words.
QString failureReason(int error, const QString& path);

} // namespace curvana
