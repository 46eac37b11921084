// Arbitrary box texts, colour texts and option choices through the road every plotter window and
// figure dialog takes on "确定": the curve or figure function, the pen colour lookup, the surface's
// display list and its rasteriser. Every input must finish with a bounded number of dots, only
// finite coordinates on the surface, and any message naming a box the window has.
//
// Input, one item per line: the choice ("e2" = elementary option 2, "c5" conic, "k3" classic,
// "f8" figure dialog; '0' stands for 10; a third character picks the pen width), the colour
// combo's text, then Text1, Text2, ...
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "core/document/board_document.h"
#include "core/curves/curves.h"
#include "core/text/pen_colour.h"
#include "core/curves/sampling.h"
#include "fuzz_check.h"

namespace curvana {
namespace {

// What the windows draw with: the board's logical size and a small device to render onto.
const QSize kBoardPixels(413, 429);
const QSize kDevicePixels(103, 107);
// Each family samples at most a few runs; every run stops at kMaxSamplesPerRun.
constexpr std::size_t kMaxDots = 4 * kMaxSamplesPerRun;

// One option of one window: the letter of its window, the option number and how many boxes the
// window has, as the catalogue lists them.
struct Choice {
    char window;
    int option;
    int boxes;
};

constexpr std::array kCurveLetters{
    std::pair{'e', CurveWindow::Elementary}, std::pair{'c', CurveWindow::Conic}, std::pair{'k', CurveWindow::Classic}};

const std::vector<Choice>& choices()
{
    static const std::vector<Choice> list = [] {
        std::vector<Choice> all;
        for (const auto& [letter, window] : kCurveLetters)
            for (const CurveOption& option : curveWindowEntry(window).options)
                all.push_back({letter, option.number, static_cast<int>(boxCount(window))});
        for (std::size_t i = 0; i < kFigureKindCount; ++i)
            all.push_back({'f', static_cast<int>(i) + 1, static_cast<int>(boxCount(static_cast<FigureKind>(i)))});
        return all;
    }();
    return list;
}

// What the choice's "确定" draws.
DrawingResult drawChoice(const Choice& choice, const FieldTexts& texts)
{
    for (const auto& [letter, window] : kCurveLetters)
        if (letter == choice.window)
            return actionDrawing(CurveAction{window, choice.option, texts, ""});
    return figureDrawing(static_cast<FigureKind>(choice.option - 1), texts);
}
constexpr std::string_view kWindows = "eckf";

// A readable choice is taken as written; any other bytes still pick one, so no input is wasted.
const Choice& decodeChoice(std::string_view line)
{
    const unsigned char windowByte = line.empty() ? 'e' : static_cast<unsigned char>(line[0]);
    const unsigned char optionByte = line.size() < 2 ? '1' : static_cast<unsigned char>(line[1]);
    const char window = kWindows.find(static_cast<char>(windowByte)) != std::string_view::npos
        ? static_cast<char>(windowByte)
        : kWindows[windowByte % kWindows.size()];
    const int option = optionByte == '0' ? 10 : optionByte - '0';
    std::vector<const Choice*> ofWindow;
    for (const Choice& choice : choices()) {
        if (choice.window != window)
            continue;
        if (choice.option == option)
            return choice;
        ofWindow.push_back(&choice);
    }
    return *ofWindow[optionByte % ofWindow.size()];
}

std::vector<std::string_view> splitLines(std::string_view input)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        lines.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A box hands its text over as UTF-8 from a QString, so malformed bytes arrive as U+FFFD.
std::string asTyped(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
}

bool finite(const WorldPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool finite(const FloatPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool finiteIfSet(std::optional<double> v) { return !v || std::isfinite(*v); }
bool finiteIfSet(std::optional<float> v) { return !v || std::isfinite(*v); }

void checkDrawing(const Drawing& drawing)
{
    fuzzCheck(drawing.dots.size() <= kMaxDots, "too many dots");
    for (const WorldPoint& dot : drawing.dots)
        fuzzCheck(finite(dot), "non-finite dot in the drawing");
    for (const Segment& segment : drawing.segments)
        fuzzCheck(finite(segment.from) && finite(segment.to), "non-finite segment in the drawing");
    for (const CircleSpec& c : drawing.circles)
        fuzzCheck(finite(c.centre) && std::isfinite(c.radius) && finiteIfSet(c.start) && finiteIfSet(c.end)
                && finiteIfSet(c.aspect),
            "non-finite circle in the drawing");
    for (const Caption& caption : drawing.captions)
        fuzzCheck(finite(caption.at), "non-finite caption position", caption.text);
}

void checkSurface(const Surface& surface, const Drawing& drawing)
{
    fuzzCheck(surface.dotCount() <= drawing.dots.size(), "the surface holds dots nobody drew");
    for (const FloatPoint& point : surface.points())
        fuzzCheck(finite(point), "non-finite point on the surface");
    for (const CircleOp& c : surface.circles())
        fuzzCheck(finite(c.centre) && std::isfinite(c.radius) && finiteIfSet(c.start) && finiteIfSet(c.end)
                && finiteIfSet(c.aspect),
            "non-finite circle on the surface");
    for (const TextOp& text : surface.texts())
        fuzzCheck(finite(text.at), "non-finite text position on the surface");
}

// The board's two ways of showing the list: straight into an image, in two halves as the
// animated reveal does, and through a painter as printing and saving do.
void render(const Surface& surface)
{
    const double scale = static_cast<double>(kDevicePixels.width()) / kBoardPixels.width();
    const Rasteriser rasteriser(surface, QSizeF(kDevicePixels), scale);
    QImage image(kDevicePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const ListPos half = surface.advance({0, 0}, surface.unitsBetween({0, 0}, surface.end()) / 2);
    rasteriser.render(image, {0, 0}, half);
    rasteriser.render(image, half, surface.end());
    QImage printed(kDevicePixels, QImage::Format_ARGB32_Premultiplied);
    printed.fill(Qt::white);
    QPainter painter(&printed);
    rasteriser.render(painter, {0, 0}, surface.end());
}

void drawLikeAWindow(std::string_view input)
{
    const std::vector<std::string_view> lines = splitLines(input);
    const Choice& choice = decodeChoice(lines[0]);
    const std::string colourText = lines.size() > 1 ? asTyped(lines[1]) : std::string();
    FieldTexts texts;
    for (int box = 0; box < choice.boxes; ++box) {
        const std::size_t line = 2 + static_cast<std::size_t>(box);
        texts.push_back(line < lines.size() ? asTyped(lines[line]) : std::string());
    }
    const DrawingResult result = drawChoice(choice, texts);
    if (const auto* problem = std::get_if<InputProblem>(&result)) {
        fuzzCheck(problem->field >= -1 && problem->field < choice.boxes, "message names a box the window lacks",
            problem->message);
        fuzzCheck(!problem->message.empty(), "empty message");
        return;
    }
    const Drawing& drawing = std::get<Drawing>(result);
    checkDrawing(drawing);
    Surface surface(kBoardPixels);
    // A third byte on the choice line widens the pen, as the freehand pen's width does.
    surface.setDrawWidth(lines[0].size() > 2 ? 1 + static_cast<unsigned char>(lines[0][2]) % 3 : 1);
    surface.beginObject({1, 1});
    surface.draw(drawing, penColourOrBlack(colourText));
    checkSurface(surface, drawing);
    render(surface);
}

} // namespace
} // namespace curvana

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Captions need fonts, and fonts need a GUI application; no display is wanted.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    // Kept for the whole run and never destroyed: Qt must not tear down under libFuzzer's exit.
    static const QGuiApplication* application = new QGuiApplication(qtArgc, qtArgv);
    (void)application;
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    curvana::drawLikeAWindow(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
