#pragma once
// A small field under the board that shows the world coordinates under the pointer, or the label
// of the special point whose ring the pointer is on, and for a moment what a save or copy did.
// While rings are left out, it says how many.
#include <QLabel>
#include <QTimer>

namespace curvana {

class SurfaceView;

class CoordinateReadout : public QLabel {
    Q_OBJECT
public:
    CoordinateReadout(SurfaceView& picture, QWidget* parent);

    // "x = 1.25  y = −3.50": two decimals and a true minus sign.
    static QString textFor(QPointF world);
    // As many decimals as tell apart two points a pixel apart (world units per pixel along x and
    // y), two at least: the coordinates of a zoomed board.
    static QString textFor(QPointF world, QPointF unitsPerPixel);

    // How long a notice stays unless the pointer moves first.
    static constexpr int kNoticeMilliseconds = 3000;
    // Shows `text` ("已复制") for a moment in place of the coordinates.
    void showNotice(const QString& text);
    // How many special points have no ring: "已省略 N 个点" stays in the field while there are any.
    void setOmitted(std::size_t count);
    static QString omittedText(std::size_t count);

private:
    void showPoint(QPointF world);
    void showResting();

    SurfaceView& m_picture;
    QTimer m_noticeEnd;
    QString m_notice;
    std::size_t m_omitted = 0;
};

} // namespace curvana
