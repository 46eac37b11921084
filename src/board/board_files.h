#pragma once
// The file dialogs of "打开图板…" and "保存图板…": where they start, what they offer, and the name
// the board window then carries.
#include <QString>

class QWidget;

namespace curvana {

class DesktopServices;

// The chosen board file, or empty when the user cancels.
QString chooseBoardToOpen(DesktopServices& services, QWidget* parent);
// The chosen name with ".curvana" added when it was typed without an extension; empty on cancel.
QString chooseBoardToSave(DesktopServices& services, QWidget* parent);
// "Curvana — <file name>".
QString boardWindowTitle(const QString& path);

} // namespace curvana
