#include "board/board_print.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "board/board_window.h"
#include "board/surface_view.h"
#include "forms/desktop_services.h"

namespace curvana {
namespace {

// Chooses the default printer, or with none asks for a PDF file to print into.
bool choosePrinter(BoardWindow& board, QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        printer.setPrinterName(info.printerName());
        return true;
    }
    const auto answer = showMessage(&board, {QStringLiteral("打印"),
                                             QStringLiteral("没有找到打印机。要把图象保存为PDF文件吗？"),
                                             QMessageBox::Question, QMessageBox::Yes | QMessageBox::No});
    if (answer != QMessageBox::Yes)
        return false;
    const QString file = chooseSaveFile(&board, QStringLiteral("保存为PDF文件"), QStringLiteral("Curvana.pdf"),
                                        QStringLiteral("PDF 文件 (*.pdf)"));
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

} // namespace

void paintBoardPage(BoardWindow& board, QPainter& painter, QRectF page)
{
    QWidget* client = board.centralWidget();
    const QSizeF size = client->size();
    const double fit = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(fit, fit);
    client->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    // The drawing again over the surface's own place, at the device's full resolution.
    const QRect inner = board.view()->contentsRect().translated(board.view()->pos());
    painter.scale(1 / fit, 1 / fit);
    const QRectF target(QPointF(inner.topLeft()) * fit, QSizeF(inner.size()) * fit);
    // Dots stay crisp up to four times the screen's resolution without huge page data.
    const double scale = std::clamp(fit, 1.0, 4.0);
    const QSize pixels = (QSizeF(inner.size()) * scale).toSize();
    painter.drawImage(target, board.view()->renderImage(pixels, scale));
    painter.restore();
}

void sendBoardToPrinter(BoardWindow& board)
{
    board.view()->finishReveal();
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(board, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(&board, {QStringLiteral("打印"), QStringLiteral("无法开始打印，图象没有打印出来。"),
                             QMessageBox::Warning});
        return;
    }
    const QRect paintable = printer.pageLayout().paintRectPixels(printer.resolution());
    paintBoardPage(board, painter, QRectF(QPointF(0, 0), paintable.size()));
    painter.end();
}

} // namespace curvana
