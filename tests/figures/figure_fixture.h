#pragma once
// The figure dialogs opened from a real board's menu, with helpers to fill their boxes, press
// their buttons and look at the ink they leave on the board.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "figures/figure_dialog.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana::testing {

struct FigureFixture : UiFixture {
    FigureDialog* open(const char* entry)
    {
        board->action(QString::fromUtf8(entry))->trigger();
        return qobject_cast<FigureDialog*>(board->windows().find(QString::fromUtf8(entry)));
    }

    static void type(FigureDialog* dialog, const char* box, const char* text)
    {
        dialog->controls().text(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
    }

    static void typeAll(FigureDialog* dialog, std::initializer_list<const char*> texts)
    {
        int box = 1;
        for (const char* text : texts)
            type(dialog, QStringLiteral("Text%1").arg(box++).toUtf8().constData(), text);
    }

    static void pickColour(FigureDialog* dialog, const char* text)
    {
        dialog->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(text));
    }

    // 确定 is OKButton in `Dialog` and Command1 everywhere else.
    static void pressOk(FigureDialog* dialog)
    {
        QPushButton* ok = dialog->controls().button(QStringLiteral("OKButton"));
        (ok ? ok : dialog->controls().button(QStringLiteral("Command1")))->click();
    }

    static void pressCancel(FigureDialog* dialog)
    {
        QPushButton* cancel = dialog->controls().button(QStringLiteral("CancelButton"));
        (cancel ? cancel : dialog->controls().button(QStringLiteral("Command2")))->click();
    }

    // Deletes the windows that were closed, as the event loop would.
    static void unloadClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Opens the dialog, types `texts` into Text1, Text2, ... and presses 确定.
    void drawWith(const char* entry, std::initializer_list<const char*> texts)
    {
        FigureDialog* dialog = open(entry);
        typeAll(dialog, texts);
        pressOk(dialog);
        unloadClosed();
    }

    QImage boardImage()
    {
        QApplication::processEvents();
        return board->view()->shownImage();
    }
};

// Where the ink of one colour lies around a centre, measured on screen: offsets in pixels with
// y pointing up, and distances in units of the x axis as the surface's circle measures its radius.
class InkAround {
public:
    InkAround(const Surface& surface, const QImage& image, double cx, double cy, QColor ink)
        : m_image(image)
        , m_ink(ink)
        , m_map(mapFor(surface, image.size()))
        , m_centre(m_map.toPixel(cx, cy))
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == ink)
                    m_offsets.emplace_back(x + 0.5 - m_centre.x(), m_centre.y() - (y + 0.5));
    }

    double unit() const { return m_map.pixelsPerXUnit(); }
    const std::vector<QPointF>& offsets() const { return m_offsets; }

    // Ink within a pixel of the point at `degrees` and `distance` x units from the centre.
    bool at(double degrees, double distance) const
    {
        const double a = degrees * M_PI / 180;
        const QPointF p = m_centre + QPointF(std::cos(a), -std::sin(a)) * distance * unit();
        return countNear(m_image, QPoint(int(std::floor(p.x())), int(std::floor(p.y()))), 1, m_ink) > 0;
    }

    template <class Pred> int count(Pred pred) const
    {
        return int(std::count_if(m_offsets.begin(), m_offsets.end(), pred));
    }

    // The largest horizontal and vertical reach of the ink, in pixels.
    QSizeF reach() const
    {
        QSizeF r;
        for (const QPointF& o : m_offsets)
            r = r.expandedTo(QSizeF(std::abs(o.x()), std::abs(o.y())));
        return r;
    }

private:
    QImage m_image;
    QColor m_ink;
    WorldMap m_map;
    QPointF m_centre;
    std::vector<QPointF> m_offsets;
};

} // namespace curvana::testing
