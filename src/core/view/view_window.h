#pragma once
// The part of the world the board shows, and how it maps onto the board's pixels. Every
// operation returns a rectangle that can be drawn: never empty, never beyond what doubles can
// resolve at its place, never larger than the drawing code can handle.
#include <optional>
#include <variant>

#include "core/curves/drawing.h"

namespace curvana {

struct PixelSize {
    double width = 0;
    double height = 0;
};

class ViewWindow {
public:
    static constexpr double kDesignedFrom = -10;
    static constexpr double kDesignedTo = 10;
    // One notch of the wheel, and one Ctrl+= or Ctrl+−.
    static constexpr double kZoomStep = 1.25;
    // No coordinate beyond this, no range wider than this.
    static constexpr double kLargestCoordinate = 1e12;
    static constexpr double kWidestRange = 1e12;
    // A range is at least this share of its coordinates' size (and of 1), so that doubles still
    // tell a pixel from the next.
    static constexpr double kNarrowestShare = 1e-9;

    // The designed view, x and y from -10 to 10.
    ViewWindow() = default;
    // Nothing when the ranges are not drawable (see isDrawableRange).
    static std::optional<ViewWindow> make(double xFrom, double xTo, double yFrom, double yTo);
    static bool isDrawableRange(double from, double to);
    static double narrowestRangeAt(double from, double to);

    double xFrom() const { return m_xFrom; }
    double xTo() const { return m_xTo; }
    double yFrom() const { return m_yFrom; }
    double yTo() const { return m_yTo; }
    double width() const { return m_xTo - m_xFrom; }
    double height() const { return m_yTo - m_yFrom; }
    WorldPoint centre() const;
    bool isDesigned() const { return *this == ViewWindow(); }

    // `factor` above 1 comes closer; `fixed` keeps its place on the board. At the limits the
    // zoom stops there (the result may equal *this); a factor that is not a positive finite
    // number changes nothing.
    ViewWindow zoomedAbout(WorldPoint fixed, double factor) const;
    ViewWindow zoomedAtCentre(double factor) const { return zoomedAbout(centre(), factor); }
    // Moves by these shares of the width and the height (0.1 is one arrow key to the right/up).
    ViewWindow panned(double widthShare, double heightShare) const;
    // Equal units in x and y on a board of `pixels`: the axis with the finer units is widened
    // about its centre, so everything shown before stays in view.
    ViewWindow withEqualUnits(PixelSize pixels) const;

    friend bool operator==(const ViewWindow&, const ViewWindow&) = default;

private:
    ViewWindow(double xFrom, double xTo, double yFrom, double yTo)
        : m_xFrom(xFrom)
        , m_xTo(xTo)
        , m_yFrom(yFrom)
        , m_yTo(yTo)
    {
    }

    double m_xFrom = kDesignedFrom;
    double m_xTo = kDesignedTo;
    double m_yFrom = kDesignedFrom;
    double m_yTo = kDesignedTo;
};

// The four boxes of the view dialog in the order x 从, x 到, y 从, y 到. The first box that does
// not hold a number, or whose range cannot be drawn, is named in the message.
std::variant<ViewWindow, InputProblem> readViewWindow(const FieldTexts& texts);

// World to board pixels for a view: pixel (0, 0) is the top-left corner, y grows downwards.
// The same arithmetic as the canvas's Scale mapping, so both agree to the last bit.
class ViewMapping {
public:
    ViewMapping(const ViewWindow& view, PixelSize pixels);

    WorldPoint toPixel(WorldPoint world) const { return {(world.x - m_left) * m_xScale, (world.y - m_top) * m_yScale}; }
    WorldPoint toWorld(WorldPoint pixel) const { return {m_left + pixel.x / m_xScale, m_top + pixel.y / m_yScale}; }
    double pixelsPerXUnit() const { return m_xScale; }
    double pixelsPerYUnit() const { return -m_yScale; }
    const ViewWindow& view() const { return m_view; }
    PixelSize pixels() const { return m_pixels; }

    // The wheel: zooms so that the world point under `pixel` stays under it.
    ViewWindow zoomedAtPixel(WorldPoint pixel, double factor) const
    {
        return m_view.zoomedAbout(toWorld(pixel), factor);
    }

private:
    ViewWindow m_view;
    PixelSize m_pixels;
    double m_left;
    double m_top;
    double m_xScale;
    double m_yScale;
};

} // namespace curvana
