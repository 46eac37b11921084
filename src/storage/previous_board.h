#pragma once
// The board as it was when the program last ended, however it ended: the recovery file is written
// after every change, and the next start moves it aside before anything can overwrite it.
#include <QString>

namespace curvana {

// previous.curvana beside the recovery file.
QString previousBoardFilePath();
// Moves the recovery file of the last run to previousBoardFilePath(), replacing the one before.
// Nothing happens when there is no recovery file, so an older previous board stays. False when a
// recovery file is there but could not be moved.
bool keepPreviousBoard();

} // namespace curvana
