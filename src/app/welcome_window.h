#pragma once
// The welcome window: the display-mode choice, the way into the board, and the welcome show.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "board/picture_box.h"
#include "canvas/surface.h"
#include "forms/form_table.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace curvana {

class BoardWindow;
class DesktopServices;
class SurfaceView;
class WelcomeShowPlayer;

// A label that reacts to a click, for the two links of the contact block.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class WelcomeWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kAnimationChoice = "具有动画显示";

    // Runs the load steps: white picture with its axes, the counter at "50", the timer running.
    // `services` outlive the window and the board it opens.
    explicit WelcomeWindow(DesktopServices& services);
    ~WelcomeWindow() override;

    // Wipes the picture and draws its axes with arrows and letters.
    void drawAxes();

    void openBoard(); // "开始使用"
    // A board file named on the command line: the board draws it when "开始使用" opens it.
    void setBoardFile(const QString& path) { m_boardFile = path; }
    void quitProgram(); // "退回"
    // One tick of the counter: counts down by one; at exactly 49 the show is due.
    void countDown();
    void openHomePage();
    void openCollectionPage();

    // The board "开始使用" opened, for the caller and tests.
    BoardWindow* openedBoard() const { return m_board; }

    Surface& picture() { return m_picture->surface(); }
    SurfaceView* view() const { return m_picture->view(); }
    QComboBox* modeChoice() const { return m_modeChoice; }
    QLineEdit* counterField() const { return m_counterField; }
    QPushButton* backButton() const { return m_backButton; }
    QPushButton* startButton() const { return m_startButton; }
    LinkLabel* homePageLink() const { return m_homePageLink; }
    LinkLabel* collectionLink() const { return m_collectionLink; }
    QTimer& countdown() { return m_countdown; }

signals:
    // The counter read exactly 49: the welcome show is due.
    void showDue();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DesktopServices& m_services;
    QString m_boardFile;
    std::unique_ptr<FormTable> m_controls;
    std::unique_ptr<PictureBox> m_picture;
    QComboBox* m_modeChoice = nullptr;
    QLineEdit* m_counterField = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_startButton = nullptr;
    LinkLabel* m_homePageLink = nullptr;
    LinkLabel* m_collectionLink = nullptr;
    QTimer m_countdown;
    BoardWindow* m_board = nullptr;
    WelcomeShowPlayer* m_show = nullptr;
};

} // namespace curvana
