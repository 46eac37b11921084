#include "board/board_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "canvas/axes.h"
#include "board/board_export.h"
#include "board/coordinate_readout.h"
#include "forms/pages.h"
#include "forms/desktop_services.h"

namespace curvana {
namespace {

Form1* g_board = nullptr;

constexpr int kBoardLeft = 2100;
constexpr int kBoardTop = 345;
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

Form1::Form1()
{
    g_board = this;
    setWindowTitle(QStringLiteral("Curvana"));
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_controls = std::make_unique<FormTable>(m_client, kBoardControls);
    Picture1 = new SurfaceView(m_client);
    m_controls->adopt(QStringLiteral("Picture1"), Picture1);
    Combo1 = m_controls->combo(QStringLiteral("Combo1"));
    Text1 = m_controls->text(QStringLiteral("Text1"));
    Command1 = m_controls->button(QStringLiteral("Command1"));
    Command2 = m_controls->button(QStringLiteral("Command2"));
    m_pen = std::make_unique<FreehandPen>(*Picture1, *Combo1);
    // The readout sits below the surface, in a strip added under the original client area.
    coordinates = new CoordinateReadout(*Picture1, m_client);
    coordinates->setGeometry(twipsRect(120, kReadoutTop, 6255, kReadoutHeight));
    QWidget::setTabOrder(Command2, Picture1);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    buildMenus();
    const int clientHeight = twipsToPixels(kReadoutTop + kReadoutHeight + 30);
    m_client->setMinimumSize(twipsToPixels(6660), clientHeight);
    resize(twipsToPixels(6660), clientHeight + menuBar()->sizeHint().height());
    m_client->setMinimumSize(0, 0);
    // Between the elementary-function plotter on its left and the other windows on its right.
    placeClientAtTwips(this, kBoardLeft, kBoardTop);
    Picture1->surface().setBackColor(kWhite);
    XY();
    // The shortcuts act on the board from the start; text fields take their editing keys only when focused.
    Picture1->setFocus();
}

Form1::~Form1()
{
    if (g_board == this)
        g_board = nullptr;
}

Form1* Form1::instance() { return g_board; }

void Form1::buildMenus()
{
    QMenu* df = menuBar()->addMenu(QStringLiteral("文件"));
    addEntry(df, "df1", "打印", QKeySequence(Qt::ALT | Qt::Key_Backspace), &Form1::df1_Click);
    addEntry(df, "sd", "调“画图”程序", QKeySequence(Qt::Key_F12), &Form1::sd_Click);
    addEntry(df, "df2", "清除", QKeySequence(Qt::Key_Delete), &Form1::Command1_Click);
    addEntry(df, "df3", "退出程序", QKeySequence(Qt::SHIFT | Qt::Key_Delete), &Form1::Command2_Click);
    df->addSeparator();
    addEntry(df, "undo", "撤销", QKeySequence(Qt::CTRL | Qt::Key_Z), &Form1::undo_Click);
    addEntry(df, "saveImage", "保存图象…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Form1::saveImage_Click);
    addEntry(df, "copyImage", "复制图象", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Form1::copyImage_Click);
    m_menus.insert(QStringLiteral("df"), df);
    m_menus.insert(QStringLiteral("fd5"), menuBar()->addMenu(QStringLiteral("画函数图象")));
    m_menus.insert(QStringLiteral("mm"), menuBar()->addMenu(QStringLiteral("画基本图象")));
    QMenu* yu = menuBar()->addMenu(QStringLiteral("帮助"));
    m_menus.insert(QStringLiteral("yu"), yu);
    addEntry(yu, "ty", "帮助", {}, &Form1::ty_Click);
    addEntry(yu, "jj", kCollectionMenuCaption, {}, &Form1::jj_Click);
    addEntry(yu, "rr", "我的主页", {}, &Form1::rr_Click);
    QAction* links = menuBar()->addAction(QStringLiteral("数学实用网址"));
    links->setObjectName(QStringLiteral("dffffffff"));
    connect(links, &QAction::triggered, this, &Form1::dffffffff_Click);
}

QAction* Form1::addEntry(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                         void (Form1::*handler)())
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Form1::addWindowEntries(const char* menuName, std::span<const WindowMenuEntry> entries)
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
        connect(action, &QAction::triggered, this, [this, name, create] {
            m_windows.show(name, [this, create] { return create(*this); });
        });
    }
}

QAction* Form1::action(const QString& name) const
{
    return findChild<QAction*>(name);
}

void Form1::XY()
{
    drawAxes(Picture1->surface(), AxesStyle::Board);
}

void Form1::PrintAt(float x, float y, const QString& text)
{
    Picture1->surface().printAt(x, y, text);
}

void Form1::PlotDot(float x, float y, Rgb colour)
{
    Picture1->surface().plotDot(x, y, colour);
}

void Form1::Command1_Click()
{
    Picture1->surface().beginAction();
    XY();
}

void Form1::Command2_Click() { endProgram(); }

void Form1::df1_Click()
{
    if (Text1->text() == QString::fromUtf8(kAnimationModeText)) {
        showMessage(this, {QStringLiteral("《Linora2002》"),
                           QStringLiteral("不能将图象打印出来！请关闭程序，重新打开程序，在欢迎窗口的“功能选择”中选择“打印”！"),
                           QMessageBox::NoIcon});
        return;
    }
    printBoard(*this);
}

void Form1::sd_Click() { startPaintProgram(this); }
void Form1::ty_Click() { openPage(this, helpPagePath(QString::fromUtf8(kHelpPage))); }
void Form1::jj_Click() { openPage(this, authorPage(kCollectionPage)); }
void Form1::rr_Click() { openPage(this, authorPage(kHomePage)); }
void Form1::dffffffff_Click() { openPage(this, helpPagePath(QString::fromUtf8(kMathLinksPage))); }

void Form1::undo_Click()
{
    Picture1->surface().undoAction();
}

void Form1::saveImage_Click()
{
    QString filter;
    const QString chosen = chooseSaveFile(this, QStringLiteral("保存图象"), QStringLiteral("Curvana.png"),
                                          exportFilters().join(QStringLiteral(";;")), &filter);
    if (chosen.isEmpty())
        return;
    const ExportChoice choice = exportChoiceFor(filter, chosen);
    const QString path = withSuffix(chosen, choice.format);
    if (!exportBoard(*Picture1, path, choice))
        showMessage(this, {QStringLiteral("保存图象"), QStringLiteral("无法写入文件“%1”，图象没有保存。").arg(path),
                           QMessageBox::Warning});
}

void Form1::copyImage_Click()
{
    QGuiApplication::clipboard()->setImage(boardImage(*Picture1, 1));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The surface follows the window's width; its height and place stay.
    QRect area = Picture1->geometry();
    area.setWidth(std::max(1, static_cast<int>(0.94 * frameGeometry().width())));
    Picture1->setGeometry(area);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The plotters and dialogs draw on this board and cannot work without it.
    m_windows.closeAll();
    QMainWindow::closeEvent(event);
}

} // namespace curvana
