#include "app/welcome_show_player.h"

#include "app/welcome_window.h"
#include "core/curves.h"

namespace curvana {

WelcomeShowPlayer::WelcomeShowPlayer(Form5& window) : QObject(&window), m_window(window)
{
    // The axes of the load step show at once; only what is drawn later is revealed.
    m_window.Picture1->setAnimated(true);
}

void WelcomeShowPlayer::play()
{
    for (const ShowStep& step : welcomeShowSteps()) {
        if (step.clearsAxes)
            m_window.XY();
        else
            drawCurve(step.curve, step.colour);
    }
    drawGreeting();
}

void WelcomeShowPlayer::drawCurve(int curve, Rgb colour)
{
    for (const WorldPoint& p : welcomeShowCurve(curve))
        m_window.PlotDot(static_cast<float>(p.x), static_cast<float>(p.y), colour);
}

void WelcomeShowPlayer::drawGreeting()
{
    Surface& picture = m_window.Picture1->surface();
    picture.circle(0, 0, 1, kBlue);
    picture.setDrawWidth(5);
    m_window.PrintAt(-9, -6, QStringLiteral("欢迎您使用《Linora2002》！"));
    m_window.PrintAt(-8, -8, QStringLiteral("请开始使用！"));
}

} // namespace curvana
