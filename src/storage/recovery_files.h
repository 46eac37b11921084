#pragma once
// Where each run keeps the board against a crash. Every running program writes a recovery file of
// its own, named for the run and held with a lock while it runs, so two programs never share one
// and a start never touches the file of a run that ended, however it ended.
#include <QString>
#include <memory>

class QLockFile;

namespace curvana {

// $XDG_STATE_HOME/curvana, by default ~/.local/state/curvana.
QString recoveryFolder();
// This run's file in recoveryFolder(): recovery-<process>-<start time>.curvana.
QString recoveryFilePath();
// Takes the lock on this run's recovery file for as long as the returned lock lives (the whole
// run); null when the folder cannot be made or the lock cannot be taken.
std::unique_ptr<QLockFile> claimRecoveryFile();
// The board that "打开上次的图板" opens: the most recently written recovery file in the folder,
// other than this run's, that holds a drawing and whose program no longer runs. Empty when there
// is none.
QString lastEndedBoardPath();
// The ended runs' boards kept at most; older ones go at start-up, the newest never do.
inline constexpr int kKeptEndedBoards = 30;
// Removes ended runs' files that hold no drawing, and the oldest beyond kKeptEndedBoards.
void pruneEndedBoards();

} // namespace curvana
