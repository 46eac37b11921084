#include "board/board_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <QActionGroup>

#include "board/board_presentation.h"
#include "board/board_print.h"
#include "board/coordinate_readout.h"
#include "board/freehand_pen.h"
#include "board/reveal_pace.h"
#include "board/special_points_overlay.h"
#include "board/surface_view.h"
#include "board/trace_overlay.h"
#include "canvas/action_painter.h"
#include "canvas/axes.h"
#include "core/document/board_document.h"
#include "forms/desktop_services.h"
#include "forms/pages.h"

namespace curvana {
namespace {

// Where the board's client area stands on the screen, in twips.
constexpr QPoint kBoardPlace{2100, 345};
// The readout's strip under the surface, in twips.
constexpr int kReadoutTop = 6870;
constexpr int kReadoutHeight = 255;

const ControlRow kBoardControls[] = {
    {Ctl::Combo, "Combo1", nullptr, "请选择鼠标画线颜色", 120, 0, 2175, 300, 0, {}, {}, nullptr,
        "红|黑|绿|蓝|黄|青|擦皮"},
    {Ctl::Text, "Text1", nullptr, "Text1", 2400, 0, 2415, 270, 1, kRed},
    {Ctl::Button, "Command1", nullptr, "清除", 4920, 0, 855, 255, 2},
    {Ctl::Button, "Command2", nullptr, "退出", 5880, 0, 735, 255, 3},
    {Ctl::Custom, "Picture1", nullptr, nullptr, 120, 360, 6255, 6495, 4},
};

} // namespace

BoardWindow::BoardWindow(DesktopServices& services)
    : m_services(services)
{
    setWindowTitle(QStringLiteral("Curvana"));
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_controls = std::make_unique<FormTable>(m_client, kBoardControls);
    m_picture = std::make_unique<PictureBox>(*m_controls, m_client);
    m_topRow = TopRow::lookUp(*m_controls);
    m_pen = std::make_unique<FreehandPen>(*view(), surface(), *m_topRow.penColour);
    connect(m_pen.get(), &FreehandPen::strokeFinished, this, &BoardWindow::recordStroke);
    m_specialPoints = new SpecialPointsOverlay(*view(), this);
    // A ring pinned to the board is a named point, recorded as the named-point dialog's 确定 records it.
    connect(m_specialPoints, &SpecialPointsOverlay::pinRequested, this, [this](const NamedPointAction& point) {
        if (std::holds_alternative<Drawing>(checkedDrawing(point)))
            perform(point);
    });
    // The readout sits below the surface, in a strip added under the original client area.
    m_coordinateReadout = new CoordinateReadout(*view(), m_client);
    m_coordinateReadout->setGeometry(twipsRect(120, kReadoutTop, 6255, kReadoutHeight));
    connect(m_specialPoints, &SpecialPointsOverlay::pointsShown, m_coordinateReadout,
        [this] { m_coordinateReadout->setOmitted(m_specialPoints->omitted()); });
    m_traces = new TraceOverlay(*view());
    connect(m_specialPoints, &SpecialPointsOverlay::pointsShown, this, &BoardWindow::traceSpecialPoints);
    QWidget::setTabOrder(m_topRow.quit, view());
    m_presentation = std::make_unique<BoardPresentation>(*this, *view(), *m_coordinateReadout, m_topRow.widgets());
    connect(m_topRow.clear, &QPushButton::clicked, this, &BoardWindow::clearBoard);
    connect(m_topRow.quit, &QPushButton::clicked, this, &BoardWindow::quitProgram);
    buildMenus();
    const int clientHeight = twipsToPixels(kReadoutTop + kReadoutHeight + 30);
    m_client->setMinimumSize(twipsToPixels(6660), clientHeight);
    resize(twipsToPixels(6660), clientHeight + menuBar()->sizeHint().height());
    m_client->setMinimumSize(0, 0);
    // Between the elementary-function plotter on its left and the other windows on its right.
    placeClientAtTwips(this, kBoardPlace.x(), kBoardPlace.y());
    drawAxes();
    // The shortcuts act on the board from the start; text fields take their editing keys only when focused.
    view()->setFocus();
}

BoardWindow::TopRow BoardWindow::TopRow::lookUp(const FormTable& controls)
{
    return {&controls.requireCombo("Combo1"), &controls.requireText("Text1"), &controls.requireButton("Command1"),
        &controls.requireButton("Command2")};
}

QList<QWidget*> BoardWindow::TopRow::widgets() const { return {penColour, mode, clear, quit}; }

BoardWindow::~BoardWindow()
{
    // The plotters and dialogs draw on this board and cannot outlive it.
    m_windows.closeAll();
    endProgramWithBoard();
}

// Without the board nothing is left to work in: the program ends, even from inside a message
// box's own event loop, where closing the last window would not end it.
void BoardWindow::endProgramWithBoard()
{
    if (m_programEnded)
        return;
    m_programEnded = true;
    m_services.endProgram();
}

void BoardWindow::perform(const BoardAction& action)
{
    changeDocument([&](BoardDocument& document) {
        document.add(action);
        return true;
    });
}

bool BoardWindow::replace(std::uint64_t id, const BoardAction& action)
{
    return changeDocument([&](BoardDocument& document) { return document.replace(id, action); });
}

bool BoardWindow::changeDocument(const std::function<bool(BoardDocument&)>& edit, CheckedDrawings checked)
{
    if (m_pen->drawing())
        m_pen->release({}, Qt::NoButton);
    if (!edit(m_document))
        return false;
    documentChanged(std::move(checked));
    return true;
}

// The pen's dots are on the surface already, as the stroke in progress; recorded, they become
// the object of its entry, so nothing is drawn again.
void BoardWindow::recordStroke(const StrokeAction& stroke)
{
    const EntryKey key = m_document.add(stroke);
    surface().claimStrokeInProgress({key.id, key.revision});
    documentChanged();
}

void BoardWindow::documentChanged(CheckedDrawings checked)
{
    followDocument(surface(), m_document, m_view, std::move(checked));
    boardActionsChanged();
    writeRecovery();
}

const std::vector<BoardAction>& BoardWindow::boardActions() const { return m_document.actions(); }

void BoardWindow::boardActionsChanged() { m_specialPoints->refresh(boardActions(), m_view); }

void BoardWindow::toggleSpecialPoints()
{
    m_specialPoints->setEnabled(m_specialPointsEntry->isChecked(), boardActions(), m_view);
}

int BoardWindow::formulaCaptionLine() const { return nextFormulaCaptionLine(m_document.actions()); }

void BoardWindow::buildMenus()
{
    QMenu* df = menuBar()->addMenu(QStringLiteral("文件"));
    addEntry(df, "df1", "打印", QKeySequence(Qt::ALT | Qt::Key_Backspace), &BoardWindow::printBoard);
    addEntry(df, "sd", "调“画图”程序", QKeySequence(Qt::Key_F12), &BoardWindow::openPaintProgram);
    addEntry(df, "df2", "清除", QKeySequence(Qt::Key_Delete), &BoardWindow::clearBoard);
    addEntry(df, "df3", "退出程序", QKeySequence(Qt::SHIFT | Qt::Key_Delete), &BoardWindow::quitProgram);
    df->addSeparator();
    buildFileEntries(df);
    addEntry(df, "presentation", "全屏演示", QKeySequence(Qt::Key_F11), &BoardWindow::togglePresentation);
    addSpeedMenu(df);
    buildViewEntries(df);
    // Esc only leaves the presentation; the window holds it since the menu bar is hidden then.
    QAction* back = new QAction(this);
    back->setObjectName(QStringLiteral("leavePresentation"));
    back->setShortcut(QKeySequence(Qt::Key_Escape));
    back->setEnabled(false);
    connect(back, &QAction::triggered, this, &BoardWindow::leavePresentation);
    addAction(back);
    m_menus.insert(QStringLiteral("df"), df);
    QMenu* fd5 = menuBar()->addMenu(QStringLiteral("画函数图象"));
    m_menus.insert(QStringLiteral("fd5"), fd5);
    m_specialPointsSeparator = fd5->addSeparator();
    m_specialPointsEntry = addEntry(
        fd5, "specialPoints", "显示特殊点", QKeySequence(Qt::CTRL | Qt::Key_T), &BoardWindow::toggleSpecialPoints);
    m_specialPointsEntry->setCheckable(true);
    m_menus.insert(QStringLiteral("mm"), menuBar()->addMenu(QStringLiteral("画基本图象")));
    QMenu* yu = menuBar()->addMenu(QStringLiteral("帮助"));
    m_menus.insert(QStringLiteral("yu"), yu);
    addEntry(yu, "ty", "帮助", {}, &BoardWindow::openHelp);
    addEntry(yu, "jj", kCollectionMenuCaption, {}, &BoardWindow::openCollectionPage);
    addEntry(yu, "rr", "我的主页", {}, &BoardWindow::openHomePage);
    // F10 opens the menu bar at its first menu, as on other desktops.
    auto* openMenuBar = new QAction(this);
    openMenuBar->setObjectName(QStringLiteral("menuBarKey"));
    openMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(openMenuBar);
    connect(openMenuBar, &QAction::triggered, this, [this, df] { menuBar()->setActiveAction(df->menuAction()); });
    QAction* links = menuBar()->addAction(QStringLiteral("数学实用网址"));
    links->setObjectName(QStringLiteral("dffffffff"));
    connect(links, &QAction::triggered, this, &BoardWindow::openMathLinks);
}

void BoardWindow::buildFileEntries(QMenu* df)
{
    addEntry(df, "undo", "撤销", QKeySequence(Qt::CTRL | Qt::Key_Z), &BoardWindow::undo);
    addEntry(df, "redo", "重做", QKeySequence(Qt::CTRL | Qt::Key_Y), &BoardWindow::redo);
    addEntry(df, "openBoard", "打开图板…", QKeySequence(Qt::CTRL | Qt::Key_O), &BoardWindow::openBoard);
    addEntry(df, "openPreviousBoard", "打开上次的图板", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
        &BoardWindow::openPreviousBoard);
    addEntry(df, "saveBoard", "保存图板…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &BoardWindow::saveBoard);
    addEntry(df, "saveImage", "导出图象…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &BoardWindow::saveImage);
    addEntry(df, "copyImage", "复制图象", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &BoardWindow::copyImage);
}

QAction* BoardWindow::addEntry(
    QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut, void (BoardWindow::*handler)())
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void BoardWindow::addSpeedMenu(QMenu* parent)
{
    QMenu* speed = parent->addMenu(QStringLiteral("动画速度"));
    speed->menuAction()->setObjectName(QStringLiteral("revealSpeed"));
    auto* choices = new QActionGroup(speed);
    const struct {
        const char* name;
        const char* caption;
        RevealSpeed speed;
    } speeds[] = {{"speedSlow", "慢", RevealSpeed::Slow}, {"speedMedium", "中", RevealSpeed::Medium},
        {"speedFast", "快", RevealSpeed::Fast}};
    view()->setRevealSpeed(rememberedRevealSpeed());
    for (const auto& choice : speeds) {
        QAction* action = speed->addAction(QString::fromUtf8(choice.caption));
        action->setObjectName(QString::fromUtf8(choice.name));
        action->setCheckable(true);
        action->setChecked(choice.speed == view()->revealSpeed());
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, pace = choice.speed] {
            view()->setRevealSpeed(pace);
            rememberRevealSpeed(pace);
        });
    }
    // Print mode shows every drawing at once: there is no pace to choose.
    speed->menuAction()->setEnabled(view()->animated());
    connect(view(), &SurfaceView::animatedChanged, speed->menuAction(), &QAction::setEnabled);
}

void BoardWindow::addWindowEntries(const char* menuName, std::span<const WindowMenuEntry> entries)
{
    QMenu* menu = m_menus.value(QString::fromUtf8(menuName));
    if (!menu)
        return;
    for (const WindowMenuEntry& entry : entries) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.name));
        action->setShortcut(entry.shortcut);
        const QString name = QString::fromUtf8(entry.name);
        auto create = entry.create;
        connect(action, &QAction::triggered, this,
            [this, name, create] { m_windows.show(name, [this, create] { return create(*this, this); }); });
    }
    keepSpecialPointsLast(menu);
}

void BoardWindow::keepSpecialPointsLast(QMenu* menu)
{
    if (!menu->actions().contains(m_specialPointsEntry))
        return;
    menu->removeAction(m_specialPointsSeparator);
    menu->removeAction(m_specialPointsEntry);
    menu->addAction(m_specialPointsSeparator);
    menu->addAction(m_specialPointsEntry);
}

QAction* BoardWindow::action(const QString& name) const { return findChild<QAction*>(name); }

void BoardWindow::drawAxes() { curvana::drawAxes(surface(), AxesStyle::Board, m_view); }

void BoardWindow::clearBoard()
{
    perform(ClearAction{});
    m_traces->clear();
    // What a running reveal had still to show before the clear is wiped at once, not shown first.
    view()->revealFromLastClear();
}

void BoardWindow::quitProgram() { m_services.endProgram(); }

void BoardWindow::printBoard()
{
    if (m_topRow.mode->text() == QString::fromUtf8(kAnimationModeText)) {
        m_services.showMessage(this,
            {QStringLiteral("《Linora2002》"),
                QStringLiteral("不能将图象打印出来！请关闭程序，重新打开程序，在欢迎窗口的“功能选择”中选择“打印”！"),
                QMessageBox::NoIcon});
        return;
    }
    sendBoardToPrinter(*this);
}

void BoardWindow::openPaintProgram() { m_services.startPaintProgram(this); }
void BoardWindow::openHelp() { m_services.openPage(this, helpPagePath(QString::fromUtf8(kHelpPage))); }
void BoardWindow::openCollectionPage() { m_services.openPage(this, authorPage(kCollectionPage)); }
void BoardWindow::openHomePage() { m_services.openPage(this, authorPage(kHomePage)); }
void BoardWindow::openMathLinks() { m_services.openPage(this, helpPagePath(QString::fromUtf8(kMathLinksPage))); }

void BoardWindow::undo()
{
    changeDocument([](BoardDocument& document) { return document.undo(); });
}

void BoardWindow::redo()
{
    changeDocument([](BoardDocument& document) { return document.redo().has_value(); });
}

void BoardWindow::togglePresentation()
{
    if (presenting())
        leavePresentation();
    else
        m_presentation->enter();
    action(QStringLiteral("leavePresentation"))->setEnabled(presenting());
}

void BoardWindow::leavePresentation()
{
    m_presentation->leave();
    action(QStringLiteral("leavePresentation"))->setEnabled(false);
}

bool BoardWindow::presenting() const { return m_presentation->active(); }

QLabel* BoardWindow::coordinateReadout() const { return m_coordinateReadout; }

void BoardWindow::showNotice(const QString& text) { m_coordinateReadout->showNotice(text); }

void BoardWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (presenting()) {
        m_presentation->layOut();
        return;
    }
    // The surface follows the window's width; its height and place stay.
    QRect area = view()->geometry();
    area.setWidth(std::max(1, static_cast<int>(0.94 * frameGeometry().width())));
    view()->setGeometry(area);
}

void BoardWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Captions and axis numbers are placed for the picture at its designed size, the size it has
    // when the board first shows; at any other width they keep their places in the drawing.
    if (!surface().hasTextLayoutSize())
        surface().setTextLayoutSize(surface().logicalSize());
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // The plotters and dialogs draw on this board and cannot work without it.
    m_windows.closeAll();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        endProgramWithBoard();
}

} // namespace curvana
