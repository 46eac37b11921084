#pragma once
// The drawing board: owns the plotting surface, shows it in a view under a row of controls and a
// menu bar, and draws on it what the plotters and dialogs hand it.
#include <QHash>
#include <QMainWindow>
#include <memory>
#include <span>

#include "canvas/surface.h"
#include "forms/board_target.h"
#include "forms/form_table.h"
#include "forms/menu_entry.h"
#include "forms/window_registry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace curvana {

class FreehandPen;
class SurfaceView;

class BoardWindow : public QMainWindow, public BoardTarget {
    Q_OBJECT
public:
    static constexpr const char* kAnimationModeText = "动画显示，不可打印！";
    static constexpr const char* kPrintModeText = "可打印，不动画演示！";

    // Runs the load steps: caption, controls, menus, white surface, axes. The caller shows it.
    BoardWindow();
    ~BoardWindow() override;

    // BoardTarget: one undoable step on the surface.
    void perform(const BoardAction& action, const Drawing& drawing, Rgb colour) override;

    // Wipes the surface and draws the axes with ticks and numbers.
    void drawAxes();

    // Adds window entries to the submenu `menuName` ("fd5" or "mm").
    void addWindowEntries(const char* menuName, std::span<const WindowMenuEntry> entries);
    WindowRegistry& windows() { return m_windows; }
    QAction* action(const QString& name) const;

    // The menu entries and buttons.
    void clearBoard();
    void quitProgram();
    void printBoard();
    void openPaintProgram();
    void openHelp();
    void openCollectionPage();
    void openHomePage();
    void openMathLinks();
    // Additions beyond the original menus
    void undo();
    void saveImage();
    void copyImage();

    Surface& surface() { return m_surface; }
    SurfaceView* view() const { return m_view; }
    QComboBox* penColourChoice() const { return m_penColourChoice; }
    // The mode field: tells which display mode the board runs in.
    QLineEdit* modeField() const { return m_modeField; }
    QPushButton* clearButton() const { return m_clearButton; }
    QPushButton* quitButton() const { return m_quitButton; }
    QLabel* coordinateReadout() const { return m_coordinateReadout; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void endProgramWithBoard();
    QAction* addEntry(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                      void (BoardWindow::*handler)());

    Surface m_surface{QSize(1, 1)};
    QWidget* m_client = nullptr;
    std::unique_ptr<FormTable> m_controls;
    SurfaceView* m_view = nullptr;
    QComboBox* m_penColourChoice = nullptr;
    QLineEdit* m_modeField = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QLabel* m_coordinateReadout = nullptr;
    std::unique_ptr<FreehandPen> m_pen;
    WindowRegistry m_windows;
    QHash<QString, QMenu*> m_menus;
    bool m_programEnded = false;
};

} // namespace curvana
