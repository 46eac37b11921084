#include "board/board_presentation.h"

#include <QScreen>
#include <algorithm>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "board/surface_view.h"

namespace curvana {

BoardPresentation::BoardPresentation(QMainWindow& window, SurfaceView& view, QWidget& readout, QList<QWidget*> controls)
    : m_window(window)
    , m_view(view)
    , m_readout(readout)
    , m_controls(std::move(controls))
{
}

QList<QAction*> BoardPresentation::shortcutActions() const
{
    QList<QAction*> actions;
    for (const QMenu* menu : m_window.menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->shortcut().isEmpty() && !m_window.actions().contains(action))
                actions.append(action);
    return actions;
}

void BoardPresentation::enter()
{
    if (m_active)
        return;
    m_savedStates = m_window.windowState();
    m_savedGeometry = m_window.geometry();
    m_savedViewGeometry = m_view.geometry();
    m_savedReadoutGeometry = m_readout.geometry();
    m_savedReadoutFont = m_readout.font();
    m_active = true;
    m_lentActions = shortcutActions();
    m_window.addActions(m_lentActions);
    m_window.menuBar()->hide();
    for (QWidget* control : m_controls)
        control->hide();
    m_view.setPresentationScale(true);
    m_window.showFullScreen();
    // Without a window manager nothing answers the full-screen request: take the screen anyway.
    if (const QScreen* screen = m_window.screen())
        m_window.setGeometry(screen->geometry());
    layOut();
}

void BoardPresentation::leave()
{
    if (!m_active)
        return;
    m_active = false;
    for (QAction* action : m_lentActions)
        m_window.removeAction(action);
    m_lentActions.clear();
    m_window.menuBar()->show();
    for (QWidget* control : m_controls)
        control->show();
    m_window.setWindowState(m_savedStates);
    if (!(m_savedStates & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_window.setGeometry(m_savedGeometry);
    // Back at its own size first, so the surface hears of no size but the board's.
    m_view.setGeometry(m_savedViewGeometry);
    m_view.setPresentationScale(false);
    m_readout.setFont(m_savedReadoutFont);
    m_readout.setGeometry(m_savedReadoutGeometry);
    m_view.setFocus();
}

void BoardPresentation::layOut()
{
    const QWidget* client = m_window.centralWidget();
    if (!m_active || !client)
        return;
    const int width = client->width(), height = client->height();
    // The readout grows with the picture, so its values reach the back of the room as the drawing
    // does: the factor that fits the designed picture and the enlarged readout under it.
    const QSizeF design = QSizeF(m_view.surface().textLayoutSize().expandedTo(QSize(1, 1)));
    const double factor
        = std::max(1.0, std::min(width / design.width(), height / (design.height() + m_savedReadoutGeometry.height())));
    QFont font = m_savedReadoutFont;
    if (m_savedReadoutFont.pointSizeF() > 0)
        font.setPointSizeF(m_savedReadoutFont.pointSizeF() * factor);
    else
        font.setPixelSize(static_cast<int>(m_savedReadoutFont.pixelSize() * factor));
    m_readout.setFont(font);
    const int readoutHeight = static_cast<int>(m_savedReadoutGeometry.height() * factor);
    m_view.setGeometry(0, 0, width, std::max(1, height - readoutHeight));
    m_readout.setGeometry(0, height - readoutHeight, width, readoutHeight);
}

} // namespace curvana
