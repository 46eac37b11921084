#pragma once
// Saving the board's drawing as a picture file and copying it to the clipboard, all rendered
// from the display list so that every size and format is crisp.
#include <QImage>
#include <QString>
#include <QStringList>

namespace curvana {

class SurfaceView;

enum class ExportFormat { Png, Svg, Pdf };

struct ExportChoice {
    ExportFormat format = ExportFormat::Png;
    int scale = 1; // PNG only: 1, 2 or 4 times the board's size
};

// The filters offered by the save dialog, in order, and what each one means.
QStringList exportFilters();
// What to write for the name `path` typed while `filter` was chosen: a suffix naming an offered
// format (png, svg, pdf, any case) decides the format; otherwise the chosen filter does.
ExportChoice exportChoiceFor(const QString& filter, const QString& path);
// The name the save dialog offers: the board file's name ("二次函数第一课.png" for
// ".../二次函数第一课.curvana"), "图板.png" for a board never saved or opened (`boardFile` empty).
QString exportFileName(const QString& boardFile);
// `path` as it is when its suffix names `format`, otherwise with that suffix added.
QString withSuffix(const QString& path, ExportFormat format);

// Writes the drawing to `path`; false when the file cannot be written.
bool exportBoard(const SurfaceView& view, const QString& path, ExportChoice choice);
// The drawing as an image at `scale` times the board's size.
QImage boardImage(const SurfaceView& view, int scale);

} // namespace curvana
