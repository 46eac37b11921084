#include "app/welcome_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>

#include "app/startup.h"
#include "app/welcome_show_player.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "canvas/axes.h"
#include "canvas/surface_font.h"
#include "core/text/number.h"
#include "forms/desktop_services.h"
#include "forms/pages.h"

namespace curvana {
namespace {

constexpr Rgb kGrey = rgb(192, 192, 192);
constexpr FontSpec kLinkFont{9, false, true};

const ControlRow kWelcomeControls[] = {
    {Ctl::Label, "Label1", nullptr, "欢迎您使用《Curvana》", 360, 0, 4215, 495, -1, {}, {15.75, true}},
    {Ctl::Frame, "Frame2", nullptr, "", 360, 240, 3495, 3495},
    {Ctl::Frame, "Frame1", nullptr, "", 480, 360, 3255, 3255},
    {Ctl::Custom, "Picture1", nullptr, nullptr, 600, 600, 2895, 2895},
    {Ctl::Combo, "Combo1", nullptr, "功能选择", 4080, 960, 1455, 300, 0, {}, {}, nullptr, "具有动画显示|具有打印功能"},
    {Ctl::Button, "Command2", nullptr, "开始使用", 4440, 1920, 975, 495, 1},
    {Ctl::Button, "Command1", nullptr, "退回", 4440, 2880, 975, 495, 2},
    {Ctl::Text, "Text3", nullptr, "50", 4080, 3720, 615, 495, 3},
    {Ctl::Label, "Label2", nullptr, "版本 1.0", 4200, 360, 1335, 375},
    {Ctl::Label, "Label4", nullptr, "作者：Curvana 开发组", 600, 3840, 4095, 255},
    {Ctl::Label, "Label5", nullptr, "电话：见我的主页", 600, 4080, 4095, 255},
    {Ctl::Label, "Label6", nullptr, "电子邮件：见我的主页", 600, 4320, 4095, 255},
    {Ctl::Custom, "Label7", nullptr, nullptr, 600, 4560, 4095, 255},
    {Ctl::Custom, "Label3", nullptr, nullptr, 600, 4800, 2895, 255},
    {Ctl::Label, "Label8", nullptr, "出版：Curvana 自由软件", 2160, 5040, 3735, 255},
};

LinkLabel* makeLink(QWidget* parent, const QString& text, const QString& tooltip)
{
    auto* link = new LinkLabel(text, parent);
    QFont font = link->font();
    font.setFamilies(songFontFamilies());
    font.setPointSizeF(kLinkFont.points);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    link->setToolTip(tooltip);
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

// The counter as single-precision text without a leading blank ("49", "-1").
QString counterText(float value)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7g", static_cast<double>(value));
    const std::string shown = displayForm(std::strtod(digits, nullptr));
    return QString::fromStdString(shown.front() == ' ' ? shown.substr(1) : shown);
}

} // namespace

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

// The press that began a double click already opened the page; the second press of the pair
// arrives here instead (Qt's default would hand it to mousePressEvent and open the page again).
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

WelcomeWindow::WelcomeWindow(DesktopServices& services)
    : m_services(services)
{
    setWindowTitle(QStringLiteral("欢迎您使用《Linora2002》"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);
    m_controls = std::make_unique<FormTable>(this, kWelcomeControls);
    m_picture = std::make_unique<PictureBox>(*m_controls, this);
    view()->setFocusPolicy(Qt::NoFocus);
    m_collectionLink
        = makeLink(this, QStringLiteral("我的个人专集：中学数学园地"), QStringLiteral("双击到我的个人专集去！"));
    m_controls->adopt(QStringLiteral("Label7"), m_collectionLink);
    m_homePageLink = makeLink(this, QStringLiteral("我的主页"), QStringLiteral("双击看看我的主页！"));
    m_controls->adopt(QStringLiteral("Label3"), m_homePageLink);
    m_modeChoice = &m_controls->requireCombo("Combo1");
    m_counterField = &m_controls->requireText("Text3");
    m_backButton = &m_controls->requireButton("Command1");
    m_startButton = &m_controls->requireButton("Command2");
    connect(m_startButton, &QPushButton::clicked, this, &WelcomeWindow::openBoard);
    connect(m_backButton, &QPushButton::clicked, this, &WelcomeWindow::quitProgram);
    connect(m_homePageLink, &LinkLabel::clicked, this, &WelcomeWindow::openHomePage);
    connect(m_collectionLink, &LinkLabel::clicked, this, &WelcomeWindow::openCollectionPage);
    connect(&m_countdown, &QTimer::timeout, this, &WelcomeWindow::countDown);
    setClientTwips(this, 6015, 5280);
    drawAxes();
    m_show = new WelcomeShowPlayer(picture(), *view(), this);
    connect(this, &WelcomeWindow::showDue, m_show, &WelcomeShowPlayer::play);
    m_countdown.start(1000);
}

// The show player is a child and goes first, while the picture it draws on still exists; the
// picture box then takes its view down before its surface.
WelcomeWindow::~WelcomeWindow() { delete m_show; }

void WelcomeWindow::drawAxes() { curvana::drawAxes(picture(), AxesStyle::Welcome); }

void WelcomeWindow::openBoard()
{
    m_countdown.stop();
    const bool animated = m_modeChoice->currentText() == QString::fromUtf8(kAnimationChoice);
    m_board = createBoard(m_services);
    m_board->view()->setAnimated(animated);
    const char* modeText = animated ? BoardWindow::kAnimationModeText : BoardWindow::kPrintModeText;
    m_board->modeField()->setText(QString::fromUtf8(modeText));
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
    m_board->view()->setFocus();
    BoardWindow* board = m_board;
    const QString boardFile = m_boardFile;
    close();
    // After the welcome window is gone, so a message about a bad file stands over the board alone.
    if (!boardFile.isEmpty())
        board->openBoardFile(boardFile);
}

void WelcomeWindow::quitProgram() { m_services.endProgram(); }

void WelcomeWindow::countDown()
{
    const auto counter = parseSingle(m_counterField->text().toStdString());
    if (!counter)
        return; // a counter that is no number stays as it is and starts nothing
    m_counterField->setText(counterText(*counter - 1));
    if (*counter == 49)
        emit showDue();
}

void WelcomeWindow::openHomePage() { m_services.openPage(this, authorPage(kHomePage)); }
void WelcomeWindow::openCollectionPage() { m_services.openPage(this, authorPage(kCollectionPage)); }

void WelcomeWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QRect area = view()->geometry();
    area.setWidth(std::max(1, frameGeometry().width() / 2));
    view()->setGeometry(area);
}

} // namespace curvana
