#pragma once
// Every window and dialog that draws on the board, described once: its design name, caption,
// boxes and, for the curve windows, the option buttons and the curve family each one draws. The
// window tables take their names and captions from here, the board document its titles and box
// counts, the file reader what it accepts, and the maths works on families, never on the
// designer's option numbers (those stay data: the windows' buttons and the saved boards).
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <span>

namespace curvana {

// The picture the board draws on, at its design size in pixels: 20 units from -10 to 10 each way.
inline constexpr int kDesignPictureWidth = 417;
inline constexpr int kDesignPictureHeight = 433;
inline constexpr double kBoardUnits = 20.0;
inline constexpr double kDesignPixelsPerUnitX = kDesignPictureWidth / kBoardUnits;
inline constexpr double kDesignPixelsPerUnitY = kDesignPictureHeight / kBoardUnits;

// The three curve windows.
enum class CurveWindow { Elementary, Conic, Classic };

// What a curve option draws.
enum class CurveFamily {
    // the elementary-function window, y = f(x) with A, B, C
    Line,
    Quadratic,
    Reciprocal,
    Sine,
    Cosine,
    Tangent,
    AbsoluteQuadratic,
    Exponential,
    Power,
    Logarithm,
    // the conic window, with m, n, a, b
    Ellipse,
    Hyperbola,
    Parabola,
    Circle,
    // the classic-curve window, with R
    Involute,
    Cycloid,
    Cardioid,
    ThreeLeafRose,
    Astroid,
    Lemniscate,
};

// The figures of the eight dialogs of the menu "画基本图象".
enum class FigureKind { Point, Line, Rectangle, Ellipse, Sector, Arc, Triangle, Parallelogram };
inline constexpr std::size_t kFigureKindCount = 8;

// One option button: its number in the design ("Option5") and what it draws.
struct CurveOption {
    int number;
    CurveFamily family;
};

// A window or dialog: design name, caption and the labels of its boxes Text1, Text2, ... in order.
struct WindowEntry {
    const char* designName;
    const char* caption;
    std::span<const char* const> boxes;
};

struct CurveWindowEntry {
    CurveWindow window;
    WindowEntry design;
    std::span<const CurveOption> options; // in the order of the buttons
};

const CurveWindowEntry& curveWindowEntry(CurveWindow window);
std::span<const CurveWindowEntry> curveWindowEntries();
const WindowEntry& figureDialogEntry(FigureKind figure);
const WindowEntry& labelDialogEntry();
const WindowEntry& formulaWindowEntry();
// "列表描点" (its boxes: the formula, x 从, 步长, 个数; the x cells are the table's) and "命名点".
const WindowEntry& tableWindowEntry();
const WindowEntry& namedPointDialogEntry();

// The family option `number` of `window` draws; nothing for a number the window has no button for.
std::optional<CurveFamily> curveFamily(CurveWindow window, int number);
// The window whose options draw `family`.
CurveWindow windowOfFamily(CurveFamily family);

// "Form4.Option5": the button that draws the family, for messages of tests and logs.
std::ostream& operator<<(std::ostream& out, CurveFamily family);

} // namespace curvana
