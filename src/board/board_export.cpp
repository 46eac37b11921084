#include "board/board_export.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <optional>

#include "board/surface_view.h"

namespace curvana {
namespace {

struct FilterRow {
    const char* text;
    ExportChoice choice;
};

// A worksheet wants a sharper picture than the screen's, so twice the size comes first.
const FilterRow kFilters[] = {
    {"PNG 图片，两倍大小 (*.png)", {ExportFormat::Png, 2}},
    {"PNG 图片 (*.png)", {ExportFormat::Png, 1}},
    {"PNG 图片，四倍大小 (*.png)", {ExportFormat::Png, 4}},
    {"SVG 矢量图 (*.svg)", {ExportFormat::Svg, 1}},
    {"PDF 文件 (*.pdf)", {ExportFormat::Pdf, 1}},
};

const char* suffixOf(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Svg:
        return "svg";
    case ExportFormat::Pdf:
        return "pdf";
    case ExportFormat::Png:
        break;
    }
    return "png";
}

// The offered format a file name's suffix names, in any case.
std::optional<ExportFormat> formatNamedBy(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (ExportFormat format : {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf})
        if (suffix == QLatin1String(suffixOf(format)))
            return format;
    return std::nullopt;
}

QSize logicalSize(const SurfaceView& view) { return view.surface().logicalSize(); }

bool writeVector(const SurfaceView& view, QPaintDevice& device, QRectF target)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    view.renderVector(painter, target);
    return painter.end();
}

} // namespace

QStringList exportFilters()
{
    QStringList filters;
    for (const FilterRow& row : kFilters)
        filters << QString::fromUtf8(row.text);
    return filters;
}

ExportChoice exportChoiceFor(const QString& filter, const QString& path)
{
    ExportChoice chosen = kFilters[0].choice;
    for (const FilterRow& row : kFilters)
        if (filter == QString::fromUtf8(row.text))
            chosen = row.choice;
    // A typed suffix that names an offered format says what the user wants, whatever the type box
    // shows; only the PNG size can come from the type box, and only from a PNG type.
    const std::optional<ExportFormat> typed = formatNamedBy(path);
    if (!typed || *typed == chosen.format)
        return chosen;
    return {*typed, 1};
}

QString exportFileName(const QString& boardFile)
{
    const QString base = QFileInfo(boardFile).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("图板") : base) + QStringLiteral(".png");
}

QString withSuffix(const QString& path, ExportFormat format)
{
    if (formatNamedBy(path) == format)
        return path;
    return path + QLatin1Char('.') + QLatin1String(suffixOf(format));
}

QImage boardImage(const SurfaceView& view, int scale) { return view.renderImage(logicalSize(view) * scale, scale); }

bool exportBoard(const SurfaceView& view, const QString& path, ExportChoice choice)
{
    const QSize size = logicalSize(view);
    switch (choice.format) {
    case ExportFormat::Png:
        return boardImage(view, choice.scale).save(path, "PNG");
    case ExportFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Curvana"));
        if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
            return false;
        return writeVector(view, svg, QRectF(QPointF(0, 0), size)) && QFileInfo::exists(path);
    }
    case ExportFormat::Pdf: {
        QPdfWriter pdf(path);
        pdf.setTitle(QStringLiteral("Curvana"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        return writeVector(view, pdf, QRectF(QPointF(0, 0), page.size())) && QFileInfo::exists(path);
    }
    }
    return false;
}

} // namespace curvana
