#pragma once
// Plays the welcome show on the welcome window's picture: the fifteen curves in their groups with
// the axes redrawn between them, then the unit circle and the greeting. The picture draws live, so
// the show is revealed at the board's animation pace while the window keeps answering.
#include <QObject>

#include "core/pen_colour.h"

namespace curvana {

class Form5;

class WelcomeShowPlayer : public QObject {
    Q_OBJECT
public:
    // From here on the window's picture reveals what is drawn on it step by step.
    explicit WelcomeShowPlayer(Form5& window);

    void play();

private:
    void drawCurve(int curve, Rgb colour);
    void drawGreeting();

    Form5& m_window;
};

} // namespace curvana
