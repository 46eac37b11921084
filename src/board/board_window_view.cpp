// The board window's view: which part of the world the board shows, changed by the wheel, the
// zoom keys, the arrow keys, a drag in "拖动视窗" and the "视窗…" dialog. The document is the only
// truth: a new view draws every action again for it, by the same painter as 确定, redo and open.
#include <QAction>
#include <QMenu>
#include <QTimer>
#include <cmath>

#include "board/board_window.h"
#include "board/freehand_pen.h"
#include "board/surface_view.h"
#include "board/view_dialog.h"
#include "canvas/action_painter.h"

namespace curvana {

void BoardWindow::buildViewEntries(QMenu* df)
{
    df->addSeparator();
    addEntry(df, "viewWindow", "视窗…", {}, &BoardWindow::openViewDialog);
    QAction* in = addEntry(df, "zoomIn", "放大", QKeySequence(Qt::CTRL | Qt::Key_Equal), &BoardWindow::zoomIn);
    // Ctrl++ as well, where + is the same key with Shift, or on the number pad.
    in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    QAction* out = addEntry(df, "zoomOut", "缩小", QKeySequence(Qt::CTRL | Qt::Key_Minus), &BoardWindow::zoomOut);
    out->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    addEntry(df, "designedView", "原始视窗", QKeySequence(Qt::CTRL | Qt::Key_0), &BoardWindow::showDesignedView);
    m_viewDraggingEntry = addEntry(
        df, "viewDragging", "拖动视窗", QKeySequence(Qt::CTRL | Qt::Key_M), &BoardWindow::toggleViewDragging);
    m_viewDraggingEntry->setCheckable(true);
    // The arrow keys move the view only while the board has the focus; in a text box they move the
    // cursor as ever.
    const struct {
        const char* name;
        Qt::Key key;
        double right;
        double up;
    } arrows[] = {{"panLeft", Qt::Key_Left, -0.1, 0}, {"panRight", Qt::Key_Right, 0.1, 0},
        {"panUp", Qt::Key_Up, 0, 0.1}, {"panDown", Qt::Key_Down, 0, -0.1}};
    for (const auto& arrow : arrows) {
        auto* key = new QAction(view());
        key->setObjectName(QString::fromUtf8(arrow.name));
        key->setShortcut(QKeySequence(arrow.key));
        key->setShortcutContext(Qt::WidgetShortcut);
        key->setAutoRepeat(true);
        view()->addAction(key);
        connect(key, &QAction::triggered, this, [this, right = arrow.right, up = arrow.up] { panByShare(right, up); });
    }
    connect(view(), &SurfaceView::wheelTurned, this, &BoardWindow::zoomAtPictureShare);
    connect(view(), &SurfaceView::viewDragged, this, [this](QPointF moved) { panByShare(-moved.x(), moved.y()); });
}

void BoardWindow::setBoardView(const ViewWindow& view)
{
    // Zooming in stops where single precision could no longer tell the pixels apart.
    if (view == m_view || !resolvableOnBoard(view))
        return;
    m_view = view;
    // Drawn once the events already waiting are handled: a held wheel or arrow key on a board
    // that takes long to draw moves on to the latest view instead of drawing every one in between.
    if (m_viewRedrawPending)
        return;
    m_viewRedrawPending = true;
    QTimer::singleShot(0, this, &BoardWindow::drawForView);
}

void BoardWindow::drawForView()
{
    m_viewRedrawPending = false;
    // A stroke in progress is recorded first, so it keeps its place in the world.
    if (m_pen->drawing())
        m_pen->release({}, Qt::NoButton);
    drawDocumentAt(surface(), m_document, m_view);
    // A new view shows the board at once, also while drawings are revealed.
    if (view()->animated())
        view()->finishReveal();
    boardActionsChanged();
}

void BoardWindow::zoomIn() { setBoardView(m_view.zoomedAtCentre(ViewWindow::kZoomStep)); }

void BoardWindow::zoomOut() { setBoardView(m_view.zoomedAtCentre(1 / ViewWindow::kZoomStep)); }

void BoardWindow::showDesignedView() { setBoardView(ViewWindow{}); }

void BoardWindow::zoomAtPictureShare(QPointF share, double notches)
{
    // The picture as one unit square: a share of it is a pixel of this mapping.
    const ViewMapping picture(m_view, {1, 1});
    setBoardView(picture.zoomedAtPixel({share.x(), share.y()}, std::pow(ViewWindow::kZoomStep, notches)));
}

void BoardWindow::panByShare(double widthShare, double heightShare)
{
    setBoardView(m_view.panned(widthShare, heightShare));
}

void BoardWindow::toggleViewDragging() { view()->setViewDragging(m_viewDraggingEntry->isChecked()); }

void BoardWindow::openViewDialog()
{
    const QSize picture = surface().logicalSize();
    if (const std::optional<ViewWindow> chosen
        = askForViewWindow(m_services, this, m_view, PixelSize{double(picture.width()), double(picture.height())}))
        setBoardView(*chosen);
}

} // namespace curvana
