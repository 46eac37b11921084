#pragma once
// Plays the welcome show on a picture: the fifteen curves in their groups with the axes redrawn
// between them, then the unit circle and the greeting. The picture draws live, so the show is
// revealed at the board's animation pace while the window keeps answering.
#include <QObject>

#include "core/text/pen_colour.h"

namespace curvana {

class Surface;
class SurfaceView;

class WelcomeShowPlayer : public QObject {
    Q_OBJECT
public:
    // Draws on `picture`, shown by `view`; from here on `view` reveals what is drawn step by step.
    // Both outlive the player.
    WelcomeShowPlayer(Surface& picture, SurfaceView& view, QObject* parent = nullptr);

    void play();

private:
    void drawCurve(int curve, Rgb colour);
    void drawGreeting();

    Surface& m_picture;
};

} // namespace curvana
