#pragma once
class QApplication;

namespace curvana {

class BoardWindow;

// Chinese everywhere, Qt's own texts included, and a font that has every glyph.
void prepareApplication(QApplication& app);

// Loads the board with its whole menu tree; the caller applies the mode and shows it.
BoardWindow* createBoard();

} // namespace curvana
