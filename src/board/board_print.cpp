#include "board/board_print.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "board/board_export.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "forms/desktop_services.h"

namespace curvana {
namespace {

constexpr int kControlsScale = 2;

// Chooses the default printer, or with none asks for a PDF file to print into.
bool choosePrinter(BoardWindow& board, QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        printer.setPrinterName(info.printerName());
        return true;
    }
    DesktopServices& services = board.services();
    const auto answer = services.showMessage(&board,
        {QStringLiteral("打印"), QStringLiteral("没有找到打印机。要把图象保存为PDF文件吗？"), QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No});
    if (answer != QMessageBox::Yes)
        return false;
    const QString file = services.chooseSaveFile(
        &board, QStringLiteral("保存为PDF文件"), QStringLiteral("Curvana.pdf"), QStringLiteral("PDF 文件 (*.pdf)"));
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(withSuffix(file, ExportFormat::Pdf));
    return true;
}

} // namespace

void paintBoardPage(BoardWindow& board, QPainter& painter, QRectF page)
{
    QWidget* client = board.centralWidget();
    const QSizeF size = client->size();
    const double fit = std::min(page.width() / size.width(), page.height() / size.height());
    // The controls as a modest picture at twice their size: rendering widgets straight onto a
    // scaled high-resolution painter makes Qt go through an image of the whole page.
    QPixmap controls(client->size() * kControlsScale);
    controls.setDevicePixelRatio(kControlsScale);
    controls.fill(Qt::white); // the paper between the controls
    client->render(&controls, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.drawPixmap(QRectF(page.topLeft(), size * fit), controls, QRectF(controls.rect()));
    // The drawing over the surface's own place, as vectors at the device's full resolution.
    const QRect inner = board.view()->contentsRect().translated(board.view()->pos());
    const QRectF drawing(page.topLeft() + QPointF(inner.topLeft()) * fit, QSizeF(inner.size()) * fit);
    board.view()->renderVector(painter, drawing);
}

void sendBoardToPrinter(BoardWindow& board)
{
    board.view()->finishReveal();
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(board, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        board.services().showMessage(
            &board, {QStringLiteral("打印"), QStringLiteral("无法开始打印，图象没有打印出来。"), QMessageBox::Warning});
        return;
    }
    const QRect paintable = printer.pageLayout().paintRectPixels(printer.resolution());
    paintBoardPage(board, painter, QRectF(QPointF(0, 0), paintable.size()));
    if (!painter.end()) {
        board.services().showMessage(
            &board, {QStringLiteral("打印"), QStringLiteral("打印没有完成，图象没有打印出来。"), QMessageBox::Warning});
        return;
    }
    if (!printer.outputFileName().isEmpty())
        board.showNotice(QStringLiteral("已保存到 %1").arg(QDir::toNativeSeparators(printer.outputFileName())));
}

} // namespace curvana
