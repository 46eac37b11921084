#pragma once
// Printing the board window: its client area, controls and drawing, fitted to the page.
#include <QRectF>

class QPainter;

namespace curvana {

class BoardWindow;

// Prints the board window's client area, controls and drawing, fitted to the page of the default
// printer; with no printer, offers to save the page as a PDF file.
void sendBoardToPrinter(BoardWindow& board);
// Renders the client area onto `painter` fitted into `page`; the drawing over the surface's place
// is rendered again as an image at the device's resolution.
void paintBoardPage(BoardWindow& board, QPainter& painter, QRectF page);

} // namespace curvana
