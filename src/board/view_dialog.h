#pragma once
// "视窗…": the part of the world the board shows, typed as x 从/到 and y 从/到, with "等比例" for
// equal units in x and y.
#include <QDialog>
#include <optional>

#include "core/view/view_window.h"

class QCheckBox;
class QLineEdit;

namespace curvana {

class DesktopServices;

// Whether the board can show `view`: the surface keeps single precision, so a view narrower than
// a small share of its coordinates could not tell one pixel from the next.
bool resolvableOnBoard(const ViewWindow& view);

class ViewDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `current`; `picture` is the board's size, for "等比例".
    ViewDialog(DesktopServices& services, QWidget* parent, const ViewWindow& current, PixelSize picture);

    // The view the boxes hold, or a message naming the first box that is wrong (shown, the box
    // focused and its text selected; nothing changes).
    std::optional<ViewWindow> readBoxes();
    const std::optional<ViewWindow>& chosen() const { return m_chosen; }

    QLineEdit* box(int index) const { return m_boxes[index]; }
    QCheckBox* equalUnits() const { return m_equalUnits; }

    // 确定: the boxes read, the dialog closed when they hold a view.
    void confirm();

private:
    DesktopServices& m_services;
    PixelSize m_picture;
    QLineEdit* m_boxes[4] = {};
    QCheckBox* m_equalUnits = nullptr;
    std::optional<ViewWindow> m_chosen;
};

// Shows the dialog modally; the view chosen, or nothing on 取消.
std::optional<ViewWindow> askForViewWindow(
    DesktopServices& services, QWidget* parent, const ViewWindow& current, PixelSize picture);

} // namespace curvana
