#pragma once
// The welcome window: the display-mode choice, the way into the board, and the welcome show.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "forms/form_table.h"
#include "board/surface_view.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace curvana {

class Form1;
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
};

class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kAnimationChoice = "具有动画显示";

    // Runs the load steps: white picture with its axes, the counter at "50", the timer running.
    Form5();

    void XY();
    void PrintAt(float x, float y, const QString& text);
    void PlotDot(float x, float y, Rgb colour);

    void Command2_Click(); // "开始使用"
    void Command1_Click(); // "退回"
    void Timer1_Timer();
    void Label3_Click();
    void Label7_Click();

    // The board "开始使用" opened, for the caller and tests.
    Form1* openedBoard() const { return m_board; }

    SurfaceView* Picture1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* Label7 = nullptr;
    QTimer Timer1;

signals:
    // The counter read exactly 49: the welcome show is due.
    void showDue();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<FormTable> m_controls;
    Form1* m_board = nullptr;
    WelcomeShowPlayer* m_show = nullptr;
};

} // namespace curvana
