#pragma once
// The drawing board: owns the plotting surface, shows it in a view under a row of controls and a
// menu bar, and draws on it what the plotters and dialogs hand it.
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "board/picture_box.h"
#include "canvas/surface.h"
#include "core/document/board_document.h"
#include "core/view/view_window.h"
#include "forms/board_target.h"
#include "forms/form_table.h"
#include "forms/menu_entry.h"
#include "forms/window_registry.h"
#include "storage/recovery_journal.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace curvana {

class BoardPresentation;
class DesktopServices;
class CoordinateReadout;
class FreehandPen;
class SpecialPointsOverlay;
class SurfaceView;
class TraceOverlay;

class BoardWindow : public QMainWindow, public BoardTarget {
    Q_OBJECT
public:
    static constexpr const char* kAnimationModeText = "动画显示，不可打印！";
    static constexpr const char* kPrintModeText = "可打印，不动画演示！";

    // Runs the load steps: caption, controls, menus, white surface, axes. The caller shows it.
    // `services` outlive the board.
    explicit BoardWindow(DesktopServices& services);
    ~BoardWindow() override;

    // BoardTarget: one step recorded in the document; the surface follows it.
    void perform(const BoardAction& action) override;
    // Changes the object `id` on the board to `action` in place, without a step of its own;
    // false when the board has no such object.
    bool replace(std::uint64_t id, const BoardAction& action);
    // The same, frame by frame while a hand moves the object; the recovery file follows when the
    // move ends (recordReplacement), not thirty times a second.
    bool moveInPlace(std::uint64_t id, const BoardAction& action) override;
    void recordReplacement(std::uint64_t id, const BoardAction& before) override;
    std::uint64_t lastObjectId() const override;
    std::optional<std::pair<std::uint64_t, FormulaAction>> lastFormula() const override;
    std::optional<BoardAction> objectAction(std::uint64_t id) const override;
    void leaveTrace(const Drawing& previous, Rgb colour) override;
    TraceOverlay& traces() const { return *m_traces; }
    // "撤销" and "重做" of the document; the surface follows it.
    void undo() override;
    void redo() override;
    int formulaCaptionLine() const override;
    DesktopServices& services() override { return m_services; }

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
    void saveImage();
    void copyImage();
    // "全屏演示" (F11) and back (F11 or Esc).
    void togglePresentation();
    void leavePresentation();
    bool presenting() const;
    void openBoard();
    void saveBoard();
    void openPreviousBoard();
    // Draws the board of the file at `path` in place of the current one, in the current display
    // mode. A file that cannot be opened shows its message and changes nothing; false then.
    bool openBoardFile(const QString& path);

    // What the user did on the board, in order; the surface shows one object for each.
    const BoardDocument& document() const { return m_document; }

    // The part of the world the board shows: the designed view (x and y from -10 to 10) at start.
    const ViewWindow& boardView() const { return m_view; }
    // Shows `view`: the axes and every action drawn again for it by the one painter, as soon as
    // the events already waiting are handled. A view is no step of the document, so undo never
    // steps through views.
    void setBoardView(const ViewWindow& view);
    // Ctrl+= and Ctrl+− about the centre, Ctrl+0 back to the designed view, "视窗…", "拖动视窗".
    void zoomIn();
    void zoomOut();
    void showDesignedView();
    void openViewDialog();
    void toggleViewDragging();
    // The wheel over a point of the picture (shares of its width and height from the top left),
    // the arrow keys and a drag: the view moves by shares of its width and height.
    void zoomAtPictureShare(QPointF share, double notches);
    void panByShare(double widthShare, double heightShare);
    void toggleSpecialPoints();

    Surface& surface() { return m_picture->surface(); }
    SurfaceView* view() const { return m_picture->view(); }
    QComboBox* penColourChoice() const { return m_topRow.penColour; }
    // The mode field: tells which display mode the board runs in.
    QLineEdit* modeField() const { return m_topRow.mode; }
    QPushButton* clearButton() const { return m_topRow.clear; }
    QPushButton* quitButton() const { return m_topRow.quit; }
    SpecialPointsOverlay& specialPoints() const { return *m_specialPoints; }

    // What the user did on the board, in order, without the undone steps.
    const std::vector<BoardAction>& boardActions() const;
    QLabel* coordinateReadout() const;
    // Tells the user for a moment, in the coordinate field, what a save or copy did.
    void showNotice(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    DesktopServices& m_services;
    // The row of controls above the surface, looked up in the table once it is built.
    struct TopRow {
        QComboBox* penColour = nullptr;
        QLineEdit* mode = nullptr;
        QPushButton* clear = nullptr;
        QPushButton* quit = nullptr;
        static TopRow lookUp(const FormTable& controls);
        QList<QWidget*> widgets() const;
    };

    void buildMenus();
    void buildFileEntries(QMenu* menu);
    // Every change of the document: a freehand stroke still in progress is recorded first, so
    // it stays a step of its own; then `edit` changes the document (false: it changed nothing),
    // the surface follows and the recovery file holds the board.
    // `checked`: the drawings of all the edited document's actions, when they were just computed.
    bool changeDocument(const std::function<bool(BoardDocument&)>& edit, CheckedDrawings checked = {});
    void recordStroke(const StrokeAction& stroke);
    bool loadBoardFile(const QString& path);
    void documentChanged(CheckedDrawings checked = {});
    void writeRecovery();
    // Whatever depends on the board's actions follows them: call after every change to them.
    void boardActionsChanged();
    void keepSpecialPointsLast(QMenu* menu);
    void traceSpecialPoints();
    void endProgramWithBoard();
    QAction* addEntry(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
        void (BoardWindow::*handler)());
    void addSpeedMenu(QMenu* parent);
    void buildViewEntries(QMenu* menu);
    void drawForView();

    QWidget* m_client = nullptr;
    std::unique_ptr<FormTable> m_controls;
    std::unique_ptr<PictureBox> m_picture;
    TopRow m_topRow;
    CoordinateReadout* m_coordinateReadout = nullptr;
    std::unique_ptr<FreehandPen> m_pen;
    std::unique_ptr<BoardPresentation> m_presentation;
    BoardDocument m_document;
    ViewWindow m_view;
    bool m_viewRedrawPending = false;
    QAction* m_viewDraggingEntry = nullptr;
    // The board file last opened or saved, empty before either.
    QString m_boardFile;
    RecoveryJournal m_recovery;
    // A recovery file that cannot be written is reported once, not after every step.
    bool m_recoveryFailureShown = false;
    WindowRegistry m_windows;
    QHash<QString, QMenu*> m_menus;
    SpecialPointsOverlay* m_specialPoints = nullptr;
    TraceOverlay* m_traces = nullptr;
    QAction* m_specialPointsEntry = nullptr;
    QAction* m_specialPointsSeparator = nullptr;
    bool m_programEnded = false;
};

} // namespace curvana
