#include "forms/window_registry.h"

namespace curvana {

QWidget* WindowRegistry::show(const QString& name, const Factory& make)
{
    QWidget* window = find(name);
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_windows.insert(name, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::find(const QString& name) const { return m_windows.value(name); }

void WindowRegistry::closeAll()
{
    for (const QPointer<QWidget>& window : m_windows)
        if (window)
            window->close();
    m_windows.clear();
}

} // namespace curvana
