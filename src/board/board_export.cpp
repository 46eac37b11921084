#include "board/board_export.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "board/surface_view.h"

namespace curvana {
namespace {

struct FilterRow {
    const char* text;
    ExportChoice choice;
};

const FilterRow kFilters[] = {
    {"PNG 图片 (*.png)", {ExportFormat::Png, 1}},
    {"PNG 图片，两倍大小 (*.png)", {ExportFormat::Png, 2}},
    {"PNG 图片，四倍大小 (*.png)", {ExportFormat::Png, 4}},
    {"SVG 矢量图 (*.svg)", {ExportFormat::Svg, 1}},
    {"PDF 文件 (*.pdf)", {ExportFormat::Pdf, 1}},
};

QSize logicalSize(const SurfaceView& view)
{
    return view.surface().logicalSize();
}

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
    for (const FilterRow& row : kFilters)
        if (filter == QString::fromUtf8(row.text))
            return row.choice;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return {ExportFormat::Svg, 1};
    if (suffix == QLatin1String("pdf"))
        return {ExportFormat::Pdf, 1};
    return {ExportFormat::Png, 1};
}

QString withSuffix(const QString& path, ExportFormat format)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (format == ExportFormat::Svg ? ".svg" : format == ExportFormat::Pdf ? ".pdf" : ".png");
}

QImage boardImage(const SurfaceView& view, int scale)
{
    return view.renderImage(logicalSize(view) * scale, scale);
}

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
