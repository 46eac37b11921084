#pragma once
class QApplication;

namespace curvana {

class BoardWindow;
class DesktopServices;

// Chinese everywhere, Qt's own texts included, and a font that has every glyph.
void prepareApplication(QApplication& app);

// Loads the board with its whole menu tree; the caller applies the mode and shows it. The board
// and its windows reach the desktop through `services`, which outlive it.
BoardWindow* createBoard(DesktopServices& services);

} // namespace curvana
