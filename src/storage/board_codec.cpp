// Each action kind written by hand as one compact line, so keys stay in a readable order and
// stroke coordinates are written as the floats they are; read back through QJsonDocument.
#include "storage/board_codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/curves/value_table.h"
#include "core/document/board_document.h"
#include "storage/board_file_limits.h"
#include "storage/board_file_messages.h"
#include "storage/parameter_codec.h"

namespace curvana {

namespace {

using namespace board_messages;

constexpr std::array<const char*, 3> kWindowNames{"elementary", "conic", "classic"}; // by CurveWindow
constexpr std::array<const char*, 8> kFigureNames{
    "point", "line", "rectangle", "ellipse", "sector", "arc", "triangle", "parallelogram"}; // by FigureKind
constexpr std::array<const char*, 5> kFormulaKindNames{
    "function", "parametric", "polar", "equation", "inequality"}; // by FormulaKind
constexpr std::array<const char*, 2> kLineStyleNames{"solid", "dashed"}; // by LineStyle
constexpr const char* kTextList = "一组文字";
constexpr const char* kObjectList = "一组对象";

[[noreturn]] void fail(const QString& title, const QString& message) { throw ActionProblem{title, message}; }

// ---- writing ----

// A JSON string literal with its quotes; QJsonDocument does the escaping.
QByteArray quoted(const std::string& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray quotedTexts(const FieldTexts& texts)
{
    QByteArray out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + quoted(texts[i]);
    return out + "]";
}

// The shortest text that reads back as the same float. The pen only makes finite points; a
// non-finite one could not be shown either, so it is kept as 0 rather than spoiling the file.
void appendCoordinate(QByteArray& out, float value)
{
    const float single = std::isfinite(value) ? value : 0.0f;
    // QJsonValue keeps any whole number as an integer, so "-0" or "-0.0" come back as +0. A
    // negative number too small for a float does round to -0 when read as one.
    if (single == 0 && std::signbit(single)) {
        out += "-1e-50";
        return;
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, single);
    out.append(text, written.ptr - text);
}

QByteArray hexColour(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}

QByteArray encodeCurve(const CurveAction& curve)
{
    return R"({"type": "curve", "window": ")" + QByteArray(kWindowNames.at(static_cast<std::size_t>(curve.window)))
        + R"(", "option": )" + QByteArray::number(curve.option) + R"(, "texts": )" + quotedTexts(curve.texts)
        + R"(, "colour": )" + quoted(curve.colour) + "}";
}

QByteArray encodeFigure(const FigureAction& figure)
{
    return R"({"type": "figure", "figure": ")" + QByteArray(kFigureNames.at(static_cast<std::size_t>(figure.figure)))
        + R"(", "texts": )" + quotedTexts(figure.texts) + R"(, "colour": )" + quoted(figure.colour) + "}";
}

QByteArray encodeStroke(const StrokeAction& stroke)
{
    QByteArray out = R"({"type": "stroke", "runs": [)";
    for (std::size_t r = 0; r < stroke.runs.size(); ++r) {
        const StrokeRun& run = stroke.runs[r];
        out += (r ? ", " : "") + QByteArray(R"({"colour": ")") + hexColour(run.colour) + R"(", "points": [)";
        for (std::size_t p = 0; p < run.points.size(); ++p) {
            out += p ? ",[" : "[";
            appendCoordinate(out, run.points[p].x);
            out += ',';
            appendCoordinate(out, run.points[p].y);
            out += ']';
        }
        out += "]}";
    }
    return out + "]}";
}

QByteArray encodeClear(const ClearAction&) { return R"({"type": "clear"})"; }

QByteArray encodeLabel(const LabelAction& label)
{
    return R"({"type": "label", "texts": )" + quotedTexts(label.texts) + R"(, "colour": )" + quoted(label.colour) + "}";
}

// Keys added with file version 3, written only when they differ from what an older file means.
QByteArray formulaExtras(const FormulaAction& formula)
{
    QByteArray out;
    if (!formula.objective.empty())
        out += R"(, "objective": )" + quoted(formula.objective);
    if (formula.lineStyle != LineStyle::Solid)
        out += R"(, "lineStyle": ")" + QByteArray(kLineStyleNames.at(static_cast<std::size_t>(formula.lineStyle)))
            + '"';
    if (formula.conicLines)
        out += R"(, "conicLines": true)";
    return out;
}

QByteArray encodeFormula(const FormulaAction& formula)
{
    const FieldTexts formulas = formula.kind == FormulaKind::Parametric ? FieldTexts{formula.first, formula.second}
                                                                        : FieldTexts{formula.first};
    return R"({"type": "formula", "kind": ")" + QByteArray(kFormulaKindNames.at(static_cast<std::size_t>(formula.kind)))
        + R"(", "formulas": )" + quotedTexts(formulas) + R"(, "range": )" + quotedTexts({formula.from, formula.to})
        + R"(, "colour": )" + quoted(formula.colour) + R"(, "captionLine": )" + QByteArray::number(formula.captionLine)
        + encodeParameters(formula.parameters) + formulaExtras(formula) + "}";
}

QByteArray encodeTable(const TableAction& table)
{
    const auto flag = [](bool on) { return QByteArray(on ? "true" : "false"); };
    return R"({"type": "table", "formula": )" + quoted(table.formula) + R"(, "x": )" + quotedTexts(table.xs)
        + R"(, "colour": )" + quoted(table.colour) + R"(, "points": )" + flag(table.points) + R"(, "curve": )"
        + flag(table.curve) + encodeParameters(table.parameters) + "}";
}

QByteArray encodeNamedPoint(const NamedPointAction& point)
{
    return R"({"type": "namedPoint", "texts": )" + quotedTexts(point.texts) + R"(, "colour": )" + quoted(point.colour)
        + "}";
}

// ---- reading ----

const QString& boundedText(const QString& text, const char* key, const QString& title)
{
    if (text.size() > kMaxFieldCharacters)
        fail(title, textTooLong(key, kMaxFieldCharacters));
    return text;
}

QString stringField(const QJsonObject& object, const char* key, const QString& title)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    if (!value.isString())
        fail(title, fieldWrong(key, kText));
    return boundedText(value.toString(), key, title);
}

int intField(const QJsonObject& object, const char* key, const QString& title)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    const double number = value.toDouble(0.5);
    if (!value.isDouble() || number != std::trunc(number) || std::fabs(number) > std::numeric_limits<int>::max())
        fail(title, fieldWrong(key, kInteger));
    return static_cast<int>(number);
}

QJsonArray arrayField(const QJsonObject& object, const char* key, const QString& title, const char* expected)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    if (!value.isArray())
        fail(title, fieldWrong(key, expected));
    return value.toArray();
}

FieldTexts textsField(const QJsonObject& object, const QString& title, std::size_t boxes, const char* key = "texts")
{
    const QJsonArray array = arrayField(object, key, title, kTextList);
    FieldTexts texts;
    for (const QJsonValue& value : array) {
        if (!value.isString())
            fail(title, fieldWrong(key, kTextList));
        texts.push_back(boundedText(value.toString(), key, title).toStdString());
    }
    if (texts.size() != boxes)
        fail(title, wrongBoxCount(static_cast<qsizetype>(boxes), array.size()));
    return texts;
}

// The index of `name` in `names`, or the message naming the unknown value.
template <std::size_t N>
std::size_t nameIndex(const std::array<const char*, N>& names, const char* key, const QString& name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (name == QLatin1StringView(names[i]))
            return i;
    fail({}, unknownName(key, name));
}

void addDrawn(ReplayCost& cost, const Drawing& drawing)
{
    cost.drawnDots += drawnDots(drawing);
    if (cost.drawnDots > kMaxDrawnDots)
        throw FileProblem{tooMuchToDraw()};
}

// The texts must still draw as they did: the same message the window gives otherwise. The drawing
// goes with the action, so the board paints it without computing it again.
template <class Action> CheckedAction drawnAndChecked(Action action, const QString& title, ReplayCost& cost)
{
    auto result = actionDrawing(action);
    if (auto* drawing = std::get_if<Drawing>(&result)) {
        addDrawn(cost, *drawing);
        return {std::move(action), std::move(*drawing)};
    }
    // The other alternative: the window's message (InputProblem, or FormulaError for an own formula).
    fail(title, QString::fromStdString(std::get<1>(result).message));
}

CheckedAction decodeCurve(const QJsonObject& object, ReplayCost& cost)
{
    CurveAction curve;
    curve.window = static_cast<CurveWindow>(nameIndex(kWindowNames, "window", stringField(object, "window", {})));
    const QString title = QString::fromStdString(actionTitle(curve));
    curve.option = intField(object, "option", title);
    if (!isCurveOption(curve.window, curve.option))
        fail(title, unknownOption(curve.option));
    curve.texts = textsField(object, title, boxCount(curve.window));
    curve.colour = stringField(object, "colour", title).toStdString();
    return drawnAndChecked(std::move(curve), title, cost);
}

// The boxes and colour of a window's action, read after its kind, and checked by drawing it.
template <class Action>
CheckedAction decodeBoxes(Action action, const QJsonObject& object, std::size_t boxes, ReplayCost& cost)
{
    const QString title = QString::fromStdString(actionTitle(action));
    action.texts = textsField(object, title, boxes);
    action.colour = stringField(object, "colour", title).toStdString();
    return drawnAndChecked(std::move(action), title, cost);
}

CheckedAction decodeFigure(const QJsonObject& object, ReplayCost& cost)
{
    FigureAction figure;
    figure.figure = static_cast<FigureKind>(nameIndex(kFigureNames, "figure", stringField(object, "figure", {})));
    return decodeBoxes(std::move(figure), object, boxCount(figure.figure), cost);
}

CheckedAction decodeLabel(const QJsonObject& object, ReplayCost& cost)
{
    return decodeBoxes(LabelAction{}, object, labelBoxCount(), cost);
}

// The optional keys of file version 3; a file without them means what it meant before.
void readFormulaExtras(FormulaAction& formula, const QJsonObject& object, const QString& title)
{
    if (object.contains(QLatin1StringView("objective")))
        formula.objective = stringField(object, "objective", title).toStdString();
    if (object.contains(QLatin1StringView("lineStyle")))
        formula.lineStyle
            = static_cast<LineStyle>(nameIndex(kLineStyleNames, "lineStyle", stringField(object, "lineStyle", title)));
    const QJsonValue conicLines = object.value(QLatin1StringView("conicLines"));
    if (!conicLines.isUndefined() && !conicLines.isBool())
        fail(title, fieldWrong("conicLines", kTruth));
    formula.conicLines = conicLines.toBool(false);
}

CheckedAction decodeFormula(const QJsonObject& object, ReplayCost& cost)
{
    FormulaAction formula;
    formula.kind = static_cast<FormulaKind>(nameIndex(kFormulaKindNames, "kind", stringField(object, "kind", {})));
    const QString title = QString::fromStdString(actionTitle(formula));
    const bool parametric = formula.kind == FormulaKind::Parametric;
    FieldTexts formulas = textsField(object, title, parametric ? 2 : 1, "formulas");
    formula.first = std::move(formulas.front());
    if (parametric)
        formula.second = std::move(formulas.back());
    FieldTexts range = textsField(object, title, 2, "range");
    formula.from = std::move(range.front());
    formula.to = std::move(range.back());
    formula.colour = stringField(object, "colour", title).toStdString();
    formula.captionLine = intField(object, "captionLine", title);
    DecodedParameters parameters = decodeParameters(object);
    if (parameters.problem)
        fail(title, *parameters.problem);
    formula.parameters = std::move(parameters.parameters);
    readFormulaExtras(formula, object, title);
    return drawnAndChecked(std::move(formula), title, cost);
}

bool boolField(const QJsonObject& object, const char* key, const QString& title)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    if (!value.isBool())
        fail(title, fieldWrong(key, kTruth));
    return value.toBool();
}

CheckedAction decodeTable(const QJsonObject& object, ReplayCost& cost)
{
    TableAction table;
    const QString title = QString::fromStdString(actionTitle(table));
    table.formula = stringField(object, "formula", title).toStdString();
    const QJsonArray cells = arrayField(object, "x", title, kTextList);
    if (cells.isEmpty() || cells.size() > kMaxTableCells)
        fail(title, wrongBoxCount(kMaxTableCells, cells.size()));
    table.xs = textsField(object, title, static_cast<std::size_t>(cells.size()), "x");
    table.colour = stringField(object, "colour", title).toStdString();
    table.points = boolField(object, "points", title);
    table.curve = boolField(object, "curve", title);
    DecodedParameters parameters = decodeParameters(object);
    if (parameters.problem)
        fail(title, *parameters.problem);
    table.parameters = std::move(parameters.parameters);
    return drawnAndChecked(std::move(table), title, cost);
}

CheckedAction decodeNamedPoint(const QJsonObject& object, ReplayCost& cost)
{
    return decodeBoxes(NamedPointAction{}, object, namedPointBoxCount(), cost);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// "#rrggbb"
std::optional<Rgb> parseHexColour(const QString& text)
{
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    int channels[3];
    for (int c = 0; c < 3; ++c) {
        const int high = hexDigit(text[1 + 2 * c]);
        const int low = hexDigit(text[2 + 2 * c]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[c] = high * 16 + low;
    }
    return rgb(channels[0], channels[1], channels[2]);
}

// A coordinate the pen could have made: a finite number that fits a float, kept as that float.
std::optional<StrokePoint> parsePoint(const QJsonValue& value)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble())
        return std::nullopt;
    const float x = static_cast<float>(pair[0].toDouble());
    const float y = static_cast<float>(pair[1].toDouble());
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return StrokePoint{x, y};
}

StrokeRun decodeRun(const QJsonValue& value, qsizetype runNumber, ReplayCost& cost, const QString& title)
{
    if (!value.isObject())
        fail(title, fieldWrong("runs", kObjectList));
    const QJsonObject object = value.toObject();
    StrokeRun run;
    const QString colourText = stringField(object, "colour", title);
    const std::optional<Rgb> colour = parseHexColour(colourText);
    if (!colour)
        fail(title, badColour(runNumber, colourText));
    run.colour = *colour;
    const QJsonArray points = arrayField(object, "points", title, kArray);
    cost.strokePoints += static_cast<std::size_t>(points.size());
    if (cost.strokePoints > kMaxStrokePoints)
        throw FileProblem{tooManyStrokePoints()};
    run.points.reserve(static_cast<std::size_t>(points.size()));
    for (qsizetype p = 0; p < points.size(); ++p) {
        const std::optional<StrokePoint> point = parsePoint(points[p]);
        if (!point)
            fail(title, badPoint(runNumber, p + 1));
        run.points.push_back(*point);
    }
    return run;
}

StrokeAction decodeStroke(const QJsonObject& object, ReplayCost& cost)
{
    const QString title = QString::fromStdString(actionTitle(StrokeAction{}));
    const QJsonArray runs = arrayField(object, "runs", title, kObjectList);
    StrokeAction stroke;
    for (qsizetype r = 0; r < runs.size(); ++r)
        stroke.runs.push_back(decodeRun(runs[r], r + 1, cost, title));
    return stroke;
}

} // namespace

double drawnDots(const Drawing& drawing)
{
    // The picture at its design size, its taller scale so that no dot is undercounted.
    constexpr double kPixelsPerUnit = kDesignPixelsPerUnitY;
    constexpr double kTurn = 6.283185307179586;
    // A marked point is its filled dot and its text.
    double dots = static_cast<double>(drawing.dots.size() + drawing.captions.size() + 2 * drawing.marks.size());
    for (const Segment& segment : drawing.segments)
        dots += 1
            + std::hypot(segment.to.x - segment.from.x, segment.to.y - segment.from.y) * kPixelsPerUnit
                * (segment.box ? 2 : 1);
    for (const Polyline& polyline : drawing.polylines)
        dots += static_cast<double>(polyline.points.size());
    for (const Shade& shade : drawing.shades)
        for (const auto& polygon : shade.polygons)
            dots += static_cast<double>(polygon.size());
    for (const CircleSpec& circle : drawing.circles)
        dots += 1
            + kTurn * std::fabs(circle.radius) * kPixelsPerUnit * std::max(1.0, std::fabs(circle.aspect.value_or(1)));
    // A huge or non-finite size counts as too much, never as nothing.
    return std::isfinite(dots) ? dots : std::numeric_limits<double>::max();
}

std::size_t heldPoints(const Drawing& drawing)
{
    std::size_t points = drawing.dots.size() + 2 * drawing.segments.size();
    for (const Polyline& polyline : drawing.polylines)
        points += polyline.points.size();
    return points;
}

double drawnDots(const BoardAction& action)
{
    const auto ofResult = [](const auto& result) {
        const auto* drawing = std::get_if<Drawing>(&result);
        return drawing ? drawnDots(*drawing) : 0.0;
    };
    return std::visit(Overloaded{
                          [](const StrokeAction&) { return 0.0; },
                          [](const ClearAction&) { return 0.0; },
                          [&](const auto& drawn) { return ofResult(actionDrawing(drawn)); },
                      },
        action);
}

QByteArray encodeAction(const BoardAction& action)
{
    return std::visit(Overloaded{
                          [](const CurveAction& curve) { return encodeCurve(curve); },
                          [](const FigureAction& figure) { return encodeFigure(figure); },
                          [](const StrokeAction& stroke) { return encodeStroke(stroke); },
                          [](const ClearAction& clear) { return encodeClear(clear); },
                          [](const LabelAction& label) { return encodeLabel(label); },
                          [](const FormulaAction& formula) { return encodeFormula(formula); },
                          [](const TableAction& table) { return encodeTable(table); },
                          [](const NamedPointAction& point) { return encodeNamedPoint(point); },
                      },
        action);
}

CheckedAction decodeAction(const QJsonObject& object, ReplayCost& cost)
{
    const QString type = stringField(object, "type", {});
    if (type == u"curve")
        return decodeCurve(object, cost);
    if (type == u"figure")
        return decodeFigure(object, cost);
    if (type == u"stroke")
        return {decodeStroke(object, cost), std::nullopt};
    if (type == u"clear")
        return {ClearAction{}, std::nullopt};
    if (type == u"label")
        return decodeLabel(object, cost);
    if (type == u"formula")
        return decodeFormula(object, cost);
    if (type == u"table")
        return decodeTable(object, cost);
    if (type == u"namedPoint")
        return decodeNamedPoint(object, cost);
    fail({}, unknownName("type", type));
}

} // namespace curvana
