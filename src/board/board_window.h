#pragma once
// The drawing board: the plotting surface, the row of controls above it and the menu bar.
#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <span>

#include "forms/form_table.h"
#include "board/freehand_pen.h"
#include "board/surface_view.h"
#include "forms/window_registry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace curvana {

class Form1;

// A menu entry that opens one of the windows drawing on the board.
struct WindowMenuEntry {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    std::function<QWidget*(Form1&)> create;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kAnimationModeText = "动画显示，不可打印！";
    static constexpr const char* kPrintModeText = "可打印，不动画演示！";

    // Runs the load steps: caption, controls, menus, white surface, axes. The caller shows it.
    Form1();
    ~Form1() override;
    // The one board, or nullptr before it is loaded and after it is gone.
    static Form1* instance();

    void XY();
    void PrintAt(float x, float y, const QString& text);
    void PlotDot(float x, float y, Rgb colour);

    // Adds window entries to the submenu `menuName` ("fd5" or "mm").
    void addWindowEntries(const char* menuName, std::span<const WindowMenuEntry> entries);
    WindowRegistry& windows() { return m_windows; }
    QAction* action(const QString& name) const;

    void Command1_Click();
    void Command2_Click();
    void df1_Click();
    void sd_Click();
    void ty_Click();
    void jj_Click();
    void rr_Click();
    void dffffffff_Click();
    // Additions beyond the original menus
    void undo_Click();
    void saveImage_Click();
    void copyImage_Click();

    SurfaceView* Picture1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* coordinates = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* addEntry(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                      void (Form1::*handler)());

    QWidget* m_client = nullptr;
    std::unique_ptr<FormTable> m_controls;
    std::unique_ptr<FreehandPen> m_pen;
    WindowRegistry m_windows;
    QHash<QString, QMenu*> m_menus;
};

// Prints the board window's client area, controls and drawing, fitted to the page of the default
// printer; with no printer, offers to save the page as a PDF file.
void printBoard(Form1& board);
enum class PageDrawing { Raster, Vector };
// Renders the client area onto `painter` fitted into `page`; the drawing over the surface's place
// is rendered again at the device's resolution, as an image or as vectors.
void paintBoardPage(Form1& board, QPainter& painter, QRectF page, PageDrawing drawing);

} // namespace curvana
