#pragma once
// Full-screen presentation of the board for a projector: the window fills the screen without its
// menu bar and control row, the view shows the designed picture enlarged by one factor, and the
// coordinate readout stays under it, its text enlarged by the same factor. Leaving puts back exactly what was there before.
#include <QByteArray>
#include <QFont>
#include <QList>
#include <QRect>
#include <Qt>

class QAction;
class QMainWindow;
class QWidget;

namespace curvana {

class SurfaceView;

class BoardPresentation {
public:
    // The parts of the board it rearranges; all outlive it. `controls` are hidden while presenting.
    BoardPresentation(QMainWindow& window, SurfaceView& view, QWidget& readout, QList<QWidget*> controls);

    bool active() const { return m_active; }
    void enter();
    void leave();
    // Places the view and the readout in the window's client area; the window calls it on resize
    // while presenting.
    void layOut();

private:
    // Menu shortcuts go dead with a hidden menu bar, so while presenting the window holds them too.
    QList<QAction*> shortcutActions() const;

    QMainWindow& m_window;
    SurfaceView& m_view;
    QWidget& m_readout;
    QList<QWidget*> m_controls;
    bool m_active = false;
    Qt::WindowStates m_savedStates;
    QRect m_savedGeometry;
    QRect m_savedViewGeometry;
    QRect m_savedReadoutGeometry;
    QFont m_savedReadoutFont;
    QList<QAction*> m_lentActions;
};

} // namespace curvana
