#include "app/welcome_show_player.h"

#include "board/surface_view.h"
#include "canvas/axes.h"
#include "canvas/surface.h"
#include "core/curves/curves.h"

namespace curvana {

WelcomeShowPlayer::WelcomeShowPlayer(Surface& picture, SurfaceView& view, QObject* parent)
    : QObject(parent)
    , m_picture(picture)
{
    // The axes of the load step show at once; only what is drawn later is revealed.
    view.setAnimated(true);
}

void WelcomeShowPlayer::play()
{
    for (const ShowStep& step : welcomeShowSteps()) {
        if (step.clearsAxes)
            drawAxes(m_picture, AxesStyle::Welcome);
        else
            drawCurve(step.curve, step.colour);
    }
    drawGreeting();
}

void WelcomeShowPlayer::drawCurve(int curve, Rgb colour)
{
    for (const WorldPoint& p : welcomeShowCurve(curve))
        m_picture.setPixel(static_cast<float>(p.x), static_cast<float>(p.y), colour);
}

void WelcomeShowPlayer::drawGreeting()
{
    m_picture.drawCircle(0, 0, 1, kBlue);
    m_picture.setDrawWidth(5);
    m_picture.drawTextAt(-9, -6, QStringLiteral("欢迎您使用《Linora2002》！"));
    m_picture.drawTextAt(-8, -8, QStringLiteral("请开始使用！"));
}

} // namespace curvana
