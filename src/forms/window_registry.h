#pragma once
// Every window exists at most once: shown when it is not open, brought forward when it is.
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace curvana {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    // Creates the window with `make` when none by that name is open (it unloads itself on close,
    // so the next opening starts afresh), otherwise raises the open one. Never modal.
    QWidget* show(const QString& name, const Factory& make);
    QWidget* find(const QString& name) const;
    void closeAll();

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};

} // namespace curvana
