// Encoding and decoding a board: every action comes back exactly, and every kind of bad file gives
// its message and no actions.
#include <gtest/gtest.h>

#include <QString>
#include <cfloat>
#include <chrono>
#include <memory>
#include <cstring>

#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"
#include "storage/board_file_messages.h"
#include "storage/recovery_journal.h"

namespace curvana {
namespace {

namespace msg = board_messages;

StrokePoint widened(float x, float y) { return {x, y}; }

std::vector<BoardAction> everyKindOfAction()
{
    std::vector<BoardAction> actions;
    const auto everyOption = [&](CurveWindow window, const FieldTexts& texts, const std::string& colour) {
        for (const CurveOption& option : curveWindowEntry(window).options)
            actions.push_back(CurveAction{window, option.number, texts, colour});
    };
    everyOption(CurveWindow::Elementary, {"2", "+2", "-0.5"}, "红");
    everyOption(CurveWindow::Conic, {"1", "1", "3", "2"}, "蓝");
    everyOption(CurveWindow::Classic, {"1.5"}, "随便\"写\\的\n\t颜色😀");
    actions.push_back(ClearAction{});
    const std::vector<std::pair<FigureKind, FieldTexts>> figures = {
        {FigureKind::Point, {"1", "2"}},
        {FigureKind::Line, {"0", "0", "1", "1"}},
        {FigureKind::Rectangle, {"0", "0", "1", "1"}},
        {FigureKind::Ellipse, {" 0", "0 ", "4", "2"}},
        {FigureKind::Sector, {"0", "0", "2", "60"}},
        {FigureKind::Arc, {"0", "0", "2", "30", "120"}},
        {FigureKind::Triangle, {"0", "0", "2", "0", "1", "3"}},
        {FigureKind::Parallelogram, {"0", "0", "2", "2", "4", "-3"}},
    };
    for (const auto& [figure, texts] : figures)
        actions.push_back(FigureAction{figure, texts, ""});
    StrokeAction stroke;
    stroke.runs.push_back({kRed, {widened(0.1f, -0.1f), widened(-3.4e38f, FLT_MAX), widened(FLT_TRUE_MIN, -FLT_MIN)}});
    stroke.runs.push_back({rgb(1, 2, 254), {widened(1.0f / 3, 2.0f / 3), widened(1e-40f, 7.0f), widened(-0.0f, 0)}});
    stroke.runs.push_back({kWhite, {}});
    actions.push_back(stroke);
    actions.push_back(StrokeAction{});
    actions.push_back(FormulaAction{FormulaKind::Function, "y = 2sin x + x²", "", "−10", "10", "红", 0});
    actions.push_back(FormulaAction{FormulaKind::Parametric, "3cos t", "2sin t", "0", "2π", "", 1});
    // Values that are no short decimal must come back bit for bit, or the curve moves on opening.
    actions.push_back(FormulaAction{FormulaKind::Function, "y=a(x−h)²+k", "", "-10", "10", "蓝", 2,
        {{"a", 0.1 + 0.2, -5, 5, 0.1}, {"h", -3, -4.5, 8, 0.25}, {"k", 1.0 / 3, -5, 5, 1e-3}}});
    actions.push_back(FormulaAction{FormulaKind::Function, "A sin(ωx+φ)", "", "-10", "10", "", 3,
        {{"A", 2, 0, 4, 0.5}, {"ω", 1, 0.5, 3, 0.1}, {"φ", -1, -3.2, 3.2, 0.1}}});
    actions.push_back(FormulaAction{FormulaKind::Polar, "4sin 2θ", "", "π/2", "2pi", "随便\"写", 7});
    actions.push_back(FormulaAction{
        FormulaKind::Equation, "x²/9−y²/16=1", "", "-10", "10", "蓝", 8, {}, "", LineStyle::Dashed, true});
    actions.push_back(FormulaAction{FormulaKind::Inequality, "x+y≤4，x−y≥−2，y≥0", "", "-10", "10", "", 9, {}, "x+2y"});
    actions.push_back(ClearAction{});
    actions.push_back(LabelAction{{"-2.5", " 3", "顶点 \"A\"\n😀"}, "绿"});
    std::string longest; // as many characters as the box takes
    for (int i = 0; i < 40; ++i)
        longest += "字";
    actions.push_back(LabelAction{{"0", "0", longest}, "随便"});
    actions.push_back(TableAction{"1/x", {"−3", "−2", "1/2", "3"}, "红", true, false});
    actions.push_back(TableAction{"2^x", {"-1", "0", "1"}, "", false, true});
    actions.push_back(TableAction{"x²", {"0", "1"}, "蓝", true, true});
    actions.push_back(
        TableAction{"a x² + b", {"1/2", "1"}, "", true, true, {{"a", 0.1 + 0.2, -5, 5, 0.1}, {"b", -3, -4, 8, 0.25}}});
    actions.push_back(NamedPointAction{{"P₁", "π/3", " -1"}, "绿"});
    actions.push_back(NamedPointAction{{"", "0", "0"}, ""});
    return actions;
}

std::vector<BoardAction> actionsOf(const BoardReadResult& result)
{
    if (const auto* message = std::get_if<QString>(&result)) {
        ADD_FAILURE() << "expected actions, got: " << message->toStdString();
        return {};
    }
    return std::get<OpenedBoard>(result).actions;
}

std::vector<StrokePoint> strokePoints(const std::vector<BoardAction>& actions)
{
    std::vector<StrokePoint> points;
    for (const BoardAction& action : actions)
        if (const auto* stroke = std::get_if<StrokeAction>(&action))
            for (const StrokeRun& run : stroke->runs)
                points.insert(points.end(), run.points.begin(), run.points.end());
    return points;
}

TEST(BoardFileTest, EveryActionComesBackExactly)
{
    const std::vector<BoardAction> board = everyKindOfAction();
    const QByteArray bytes = encodeBoard(board);
    const std::vector<BoardAction> decoded = actionsOf(decodeBoard(bytes));
    EXPECT_EQ(decoded, board);
    // Equal as numbers is not enough: the bits must match too, so the dots land where they did.
    const std::vector<StrokePoint> before = strokePoints(board);
    const std::vector<StrokePoint> after = strokePoints(decoded);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(std::memcmp(before.data(), after.data(), before.size() * sizeof(StrokePoint)), 0);
    // One action per line, readable in an editor.
    EXPECT_TRUE(bytes.startsWith("{\n    \"format\": \"curvana-board\",\n    \"version\": 3,\n"));
    EXPECT_EQ(bytes.count('\n'), static_cast<qsizetype>(board.size()) + 6);
    EXPECT_EQ(actionsOf(decodeBoard(encodeBoard({}))), std::vector<BoardAction>{});
}

// The board paints the drawings the file was checked with: each must sit with its own action
// (none for a stroke or a clear) and be what that action computes.
TEST(BoardFileTest, EachActionComesWithTheDrawingItWasCheckedWith)
{
    const std::vector<BoardAction> board = everyKindOfAction();
    const BoardReadResult read = decodeBoard(encodeBoard(board));
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(read));
    const OpenedBoard& opened = std::get<OpenedBoard>(read);
    ASSERT_EQ(opened.drawings.size(), board.size());
    const auto computed = [](const BoardAction& action) {
        return std::visit(
            Overloaded{
                [](const StrokeAction&) -> std::optional<Drawing> { return std::nullopt; },
                [](const ClearAction&) -> std::optional<Drawing> { return std::nullopt; },
                [](const auto& drawn) -> std::optional<Drawing> { return std::get<Drawing>(actionDrawing(drawn)); },
            },
            action);
    };
    for (std::size_t i = 0; i < board.size(); ++i) {
        SCOPED_TRACE(actionTitle(board[i]) + " at " + std::to_string(i));
        EXPECT_EQ(opened.drawings[i], computed(board[i]));
    }
}

// Past what is worth holding the board computes curves again; an own formula's drawing is always
// handed, however many points came before it.
TEST(BoardFileTest, HandedDrawingsStopAtTheirCapButNotForOwnFormulas)
{
    const CurveAction curve{CurveWindow::Classic, 4, {"1.5"}, ""};
    const std::size_t held = kMaxHandedPoints / heldPoints(std::get<Drawing>(actionDrawing(curve)));
    std::vector<BoardAction> board(held + 2, curve);
    board.push_back(FormulaAction{FormulaKind::Function, "x", "", "-10", "10", "", 0});
    const BoardReadResult read = decodeBoard(encodeBoard(board));
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(read));
    const CheckedDrawings& drawings = std::get<OpenedBoard>(read).drawings;
    ASSERT_EQ(drawings.size(), board.size());
    EXPECT_TRUE(drawings[held - 1].has_value());
    EXPECT_FALSE(drawings[held].has_value());
    EXPECT_FALSE(drawings[held + 1].has_value());
    EXPECT_TRUE(drawings.back().has_value());
}

// A clock that moves on by `step` each time it is read: a read of N actions reads it N + 1 times.
ReadBudget::Clock steppingClock(std::chrono::milliseconds step)
{
    auto now = std::make_shared<std::chrono::nanoseconds>();
    return [now, step] { return *now += step; };
}

// However cheap each action is for the limits, the read as a whole stops when its time is up and
// says at which action; a recovery journal is read within the same time.
TEST(BoardFileTest, AReadThatOutrunsItsTimeIsRefusedNamingTheAction)
{
    using std::chrono::milliseconds;
    const BoardAction curve = CurveAction{CurveWindow::Classic, 1, {"1"}, ""};
    const auto board = [&](std::size_t count) { return std::vector<BoardAction>(count, curve); };
    const auto journal = [&](std::size_t count) {
        QByteArray bytes = journalHeader();
        for (std::size_t i = 0; i < count; ++i)
            bytes += encodeAction(curve) + '\n';
        return bytes;
    };
    struct Case {
        std::size_t actions;
        milliseconds step;
        std::optional<qsizetype> refusedAt;
    };
    // 2.5 s allowed, each action taking the step.
    const Case cases[] = {
        {2, milliseconds(1000), std::nullopt},
        {3, milliseconds(1000), 3},
        {40, milliseconds(1000), 3},
        {40, milliseconds(60), std::nullopt},
        {500, milliseconds(60), 42},
        {1, milliseconds(3000), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.actions) + " actions of " + std::to_string(c.step.count()) + " ms");
        for (const QByteArray& bytes : {encodeBoard(board(c.actions)), journal(c.actions)}) {
            const BoardReadResult read = decodeBoard(bytes, ReadBudget(milliseconds(2500), steppingClock(c.step)));
            if (c.refusedAt)
                EXPECT_EQ(std::get<QString>(read), msg::tooSlowToRead(*c.refusedAt));
            else
                EXPECT_EQ(std::get<OpenedBoard>(read).actions, board(c.actions));
        }
    }
}

// Written by hand as an older program (or a person) might: other key order, other spacing, an
// unknown key, a byte order mark, points as written by a double printer.
TEST(BoardFileTest, OlderAndHandWrittenFilesAreRead)
{
    const QByteArray oldFile
        = "\xEF\xBB\xBF{\"version\":1,\"actions\":[\n"
          "{\"colour\":\"绿\",\"texts\":[\"1\",\"2\",\"0\"],\"option\":3,\"window\":\"elementary\","
          "\"type\":\"curve\",\"note\":\"ignored\"},\n"
          "{\"type\":\"figure\",\"figure\":\"arc\",\"texts\":[\"0\",\"0\",\"2\",\"30\",\"120\"],"
          "\"colour\":\"\"},\n"
          "{\"type\":\"stroke\",\"runs\":[{\"colour\":\"#FF00a0\",\"points\":[[1.5,2.25],"
          "[0.10000000149011612,-2]]}]},\n"
          "{\"type\":\"clear\"}],\"format\":\"curvana-board\"}";
    const std::vector<BoardAction> expected = {
        CurveAction{CurveWindow::Elementary, 3, {"1", "2", "0"}, "绿"},
        FigureAction{FigureKind::Arc, {"0", "0", "2", "30", "120"}, ""},
        StrokeAction{{{rgb(255, 0, 160), {widened(1.5f, 2.25f), widened(0.1f, -2.0f)}}}},
        ClearAction{},
    };
    EXPECT_EQ(actionsOf(decodeBoard(oldFile)), expected);
}

// A lesson recovered after a crash: its tables and named points come back, an undone one does not.
TEST(BoardFileTest, TablesAndNamedPointsAreRecoveredFromTheJournal)
{
    const TableAction table{"1/x", {"−3", "0", "1/2"}, "红", true, true};
    const NamedPointAction point{{"A", "1", "2"}, ""};
    const QByteArray journal = QByteArray(R"({"format": "curvana-journal", "version": 3})") + "\n" + encodeAction(table)
        + "\n" + encodeAction(point) + "\n" + R"({"type": "undo"})" + "\n" + encodeAction(point) + "\n"
        + encodeAction(table);
    EXPECT_EQ(actionsOf(decodeBoard(journal)), (std::vector<BoardAction>{table, point, table}));
}

QByteArray boardWith(const QByteArray& actionsJson)
{
    return R"({"format": "curvana-board", "version": 1, "actions": [)" + actionsJson + "]}";
}

QString problemOf(const DrawingResult& result)
{
    return QString::fromStdString(std::get<InputProblem>(result).message);
}

QString formulaProblem(const FormulaInput& input)
{
    return QString::fromStdString(std::get<FormulaError>(formulaDrawing(input, {}, {})).message);
}

TEST(BoardFileTest, BadFilesGiveTheirMessageAndNoActions)
{
    const QByteArray clear = R"({"type": "clear"})";
    const QByteArray curveStart = R"({"type": "curve", "window": "conic", "option": 1, "colour": "红", )";
    const QByteArray elementaryAbc
        = R"({"type": "curve", "window": "elementary", "option": 2, "texts": ["abc", "2", "0"], "colour": ""})";
    const QByteArray flatEllipse
        = R"({"type": "figure", "figure": "ellipse", "texts": ["0","0","4","0"], "colour": ""})";
    const QByteArray strokeStart = R"({"type": "stroke", "runs": [{"colour": )";
    const QByteArray formulaStart = R"({"type": "formula", "kind": "function", )";
    const QByteArray formulaEnd = R"("range": ["-10", "10"], "colour": "", "captionLine": 0})";
    struct Row {
        const char* name;
        QByteArray file;
        QString message;
    };
    const Row rows[] = {
        {"empty", "", msg::notBoardFile()},
        {"plain text", "hello", msg::notBoardFile()},
        {"picture", "\x89PNG\r\n\x1a\n\0\0", msg::notBoardFile()},
        {"other JSON", "[1, 2]", msg::notBoardFile()},
        {"other format", R"({"format": "x", "version": 1, "actions": []})", msg::notBoardFile()},
        {"cut off", boardWith(clear + ",\n" + clear).chopped(3), msg::damagedAt(2)},
        {"broken on line 3", "{\"format\": \"curvana-board\",\n\"version\": 1,\n\"actions\": [}\n", msg::damagedAt(3)},
        {"bad UTF-8", boardWith("{\"type\": \"\xff\xfe\"}"), msg::damagedAt(1)},
        // Deeper than QJsonDocument's limit of 1024, yet well-formed.
        {"deep nesting", "{\"a\":" + QByteArray(2000, '[') + QByteArray(2000, ']') + "}", msg::damagedAt(1)},
        {"deep but allowed",
            boardWith(R"({"type": "stroke", "runs": )" + QByteArray(1000, '[') + QByteArray(1000, ']') + "}"),
            msg::inAction(1, "手绘", msg::fieldWrong("runs", "一组对象"))},
        {"line style unknown",
            boardWith(R"({"type": "formula", "kind": "equation", "formulas": ["x=2"], "range": ["-10", "10"], )"
                      R"("colour": "", "captionLine": 0, "lineStyle": "dotted"})"),
            msg::inAction(1, "", msg::unknownName("lineStyle", "dotted"))},
        {"conic lines not true or false",
            boardWith(R"({"type": "formula", "kind": "equation", "formulas": ["x=2"], "range": ["-10", "10"], )"
                      R"("colour": "", "captionLine": 0, "conicLines": 1})"),
            msg::inAction(1, "自定义函数", msg::fieldWrong("conicLines", msg::kTruth))},
        {"objective no longer drawable",
            boardWith(R"({"type": "formula", "kind": "inequality", "formulas": ["y>x²"], "range": ["-10", "10"], )"
                      R"("colour": "", "captionLine": 0, "objective": "x+y"})"),
            msg::inAction(1, "自定义函数", "“目标函数 z =”框只有全部是x、y的一次不等式时才能求目标函数的最值。")},
        {"newer", R"({"format": "curvana-board", "version": 4, "actions": []})", msg::newerVersion(4)},
        {"version text", R"({"format": "curvana-board", "version": "1", "actions": []})", msg::badVersion()},
        {"version 0", R"({"format": "curvana-board", "version": 0, "actions": []})", msg::badVersion()},
        {"version 1.5", R"({"format": "curvana-board", "version": 1.5, "actions": []})", msg::badVersion()},
        {"no actions", R"({"format": "curvana-board", "version": 1})", msg::topFieldWrong("actions", msg::kArray)},
        {"action not object", boardWith(clear + ", 7"), msg::inAction(2, {}, msg::fieldWrong("actions", msg::kObject))},
        {"unknown type", boardWith(R"({"type": "spiral"})"), msg::inAction(1, {}, msg::unknownName("type", "spiral"))},
        {"type number", boardWith(R"({"type": 1})"), msg::inAction(1, {}, msg::fieldWrong("type", msg::kText))},
        {"unknown window", boardWith(R"({"type": "curve", "window": "polar"})"),
            msg::inAction(1, {}, msg::unknownName("window", "polar"))},
        {"unknown option", boardWith(R"({"type": "curve", "window": "conic", "option": 4})"),
            msg::inAction(1, "圆锥曲线", msg::unknownOption(4))},
        {"option text", boardWith(R"({"type": "curve", "window": "conic", "option": "1"})"),
            msg::inAction(1, "圆锥曲线", msg::fieldWrong("option", msg::kInteger))},
        {"texts numbers", boardWith(curveStart + R"("texts": [1, 1, 3, 2]})"),
            msg::inAction(1, "圆锥曲线", msg::fieldWrong("texts", "一组文字"))},
        {"too few boxes", boardWith(curveStart + R"("texts": ["1", "1", "3"]})"),
            msg::inAction(1, "圆锥曲线", msg::wrongBoxCount(4, 3))},
        {"colour number",
            boardWith(R"({"type": "curve", "window": "conic", "option": 1, "colour": 3, )"
                      R"("texts": ["1", "1", "3", "2"]})"),
            msg::inAction(1, "圆锥曲线", msg::fieldWrong("colour", msg::kText))},
        {"not a number any more", boardWith(clear + "," + elementaryAbc),
            msg::inAction(2, "画函数图象", problemOf(elementaryCurve(CurveFamily::Quadratic, {"abc", "2", "0"})))},
        {"ellipse without height", boardWith(clear + "," + clear + "," + flatEllipse),
            "第3个动作（画椭圆）：椭圆的半轴长度不能为0，请填写一个不为0的数。"},
        {"formula no longer reads", boardWith(clear + "," + formulaStart + R"("formulas": ["sin t"], )" + formulaEnd),
            msg::inAction(2, "自定义函数", formulaProblem({FormulaKind::Function, "sin t", "", "-10", "10"}))},
        {"formula range reversed",
            boardWith(formulaStart + R"("formulas": ["x"], "range": ["2", "1"], "colour": "", "captionLine": 0})"),
            msg::inAction(1, "自定义函数", formulaProblem({FormulaKind::Function, "x", "", "2", "1"}))},
        {"unknown formula kind", boardWith(R"({"type": "formula", "kind": "implicit"})"),
            msg::inAction(1, {}, msg::unknownName("kind", "implicit"))},
        {"parametric with one formula",
            boardWith(R"({"type": "formula", "kind": "parametric", "formulas": ["t"], )" + formulaEnd),
            msg::inAction(1, "自定义函数", msg::wrongBoxCount(2, 1))},
        {"range of one", boardWith(formulaStart + R"("formulas": ["x"], "range": ["1"], "colour": ""})"),
            msg::inAction(1, "自定义函数", msg::wrongBoxCount(2, 1))},
        {"caption line text",
            boardWith(formulaStart
                + R"("formulas": ["x"], "range": ["1", "2"], "colour": "", )"
                  R"("captionLine": "1"})"),
            msg::inAction(1, "自定义函数", msg::fieldWrong("captionLine", msg::kInteger))},
        {"unknown figure", boardWith(R"({"type": "figure", "figure": "star"})"),
            msg::inAction(1, {}, msg::unknownName("figure", "star"))},
        {"label short of boxes", boardWith(R"({"type": "label", "texts": ["1", "2"], "colour": "红"})"),
            msg::inAction(1, "文字", msg::wrongBoxCount(3, 2))},
        {"label without text", boardWith(clear + R"(, {"type": "label", "texts": ["1", "2", ""], "colour": ""})"),
            "第2个动作（文字）：请在文字框里填写要写的文字。"},
        {"label point not a number", boardWith(R"({"type": "label", "texts": ["1", "y", "A"], "colour": ""})"),
            "第1个动作（文字）：请在文字左上角的纵坐标框里填写一个数。"},
        {"label longer than its box",
            boardWith(R"({"type": "label", "texts": ["1", "2", ")" + QByteArray(41, 'a') + R"("], "colour": ""})"),
            "第1个动作（文字）：文字太长了，请在文字框里填写不超过40个字的文字。"},
        {"label colour missing", boardWith(R"({"type": "label", "texts": ["1", "2", "A"]})"),
            msg::inAction(1, "文字", msg::fieldWrong("colour", msg::kText))},
        {"table without cells", boardWith(R"({"type": "table", "formula": "x", "x": [], "colour": ""})"),
            msg::inAction(1, "列表描点", msg::wrongBoxCount(41, 0))},
        {"table steps not true or false",
            boardWith(R"({"type": "table", "formula": "x", "x": ["1"], "colour": "", "points": 1, "curve": false})"),
            msg::inAction(1, "列表描点", msg::fieldWrong("points", msg::kTruth))},
        {"table cell not a number",
            boardWith(R"({"type": "table", "formula": "x", "x": ["1", "b"], "colour": "", "points": true,)"
                      R"( "curve": false})"),
            "第1个动作（列表描点）：请在表格第2个x格里填写一个数。"},
        {"named point not a number", boardWith(R"({"type": "namedPoint", "texts": ["A", "1", "y"], "colour": ""})"),
            "第1个动作（命名点）：请在“y”框里填写一个数。"},
        {"runs object", boardWith(R"({"type": "stroke", "runs": {}})"),
            msg::inAction(1, "手绘", msg::fieldWrong("runs", "一组对象"))},
        {"colour name", boardWith(strokeStart + R"("red", "points": []}]})"),
            msg::inAction(1, "手绘", msg::badColour(1, "red"))},
        {"colour not hex", boardWith(strokeStart + R"("#12345g", "points": []}]})"),
            msg::inAction(1, "手绘", msg::badColour(1, "#12345g"))},
        {"colour too long", boardWith(strokeStart + R"("#1234567", "points": []}]})"),
            msg::inAction(1, "手绘", msg::badColour(1, "#1234567"))},
        {"point alone", boardWith(strokeStart + R"("#000000", "points": [[1, 2], [1]]}]})"),
            msg::inAction(1, "手绘", msg::badPoint(1, 2))},
        {"point text", boardWith(strokeStart + R"("#000000", "points": [[1, "2"]]}]})"),
            msg::inAction(1, "手绘", msg::badPoint(1, 1))},
        {"point beyond float", boardWith(strokeStart + R"("#000000", "points": [[1e39, 0]]}]})"),
            msg::inAction(1, "手绘", msg::badPoint(1, 1))},
    };
    for (const Row& row : rows) {
        const BoardReadResult result = decodeBoard(row.file);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << row.name;
        EXPECT_EQ(std::get<QString>(result).toStdString(), row.message.toStdString()) << row.name;
    }
}

TEST(BoardFileTest, LimitsAreEnforcedWhileReading)
{
    EXPECT_EQ(std::get<QString>(decodeBoard(QByteArray(kMaxBoardFileBytes + 1, ' '))), msg::fileTooLarge());

    QByteArray clears = R"({"type": "clear"})";
    for (std::size_t i = 0; i < kMaxBoardActions; ++i)
        clears += R"(, {"type": "clear"})";
    EXPECT_EQ(std::get<QString>(decodeBoard(boardWith(clears))), msg::tooManyActions());

    const std::vector<BoardAction> curves(kMaxBoardCurves + 1, CurveAction{CurveWindow::Classic, 1, {"1"}, ""});
    EXPECT_EQ(std::get<QString>(decodeBoard(encodeBoard(curves))), msg::tooManyCurves());
    const std::vector<BoardAction> formulas(
        kMaxBoardFormulas + 1, FormulaAction{FormulaKind::Function, "x", "", "0", "1", "", 0});
    EXPECT_EQ(std::get<QString>(decodeBoard(encodeBoard(formulas))), msg::tooManyFormulas());

    // Over the cap only in total: two strokes of half the points each plus one.
    QByteArray half = "[0,0]";
    for (std::size_t i = 1; i <= kMaxStrokePoints / 2; ++i)
        half += ",[0,0]";
    const QByteArray stroke = R"({"type": "stroke", "runs": [{"colour": "#000000", "points": [)" + half + "]}]}";
    EXPECT_EQ(std::get<QString>(decodeBoard(boardWith(stroke + "," + stroke))), msg::tooManyStrokePoints());

    // What opening costs, not how many actions: an ellipse of radius 1000 sets 136,000 dots.
    const FigureAction huge{FigureKind::Ellipse, {"0", "0", "1000", "1000"}, ""};
    const auto hugeOnes = static_cast<std::size_t>(kMaxDrawnDots / drawnDots(BoardAction(huge)));
    ASSERT_GT(hugeOnes, 10u);
    EXPECT_TRUE(
        std::holds_alternative<OpenedBoard>(decodeBoard(encodeBoard(std::vector<BoardAction>(hugeOnes, huge)))));
    EXPECT_EQ(std::get<QString>(decodeBoard(encodeBoard(std::vector<BoardAction>(hugeOnes + 1, huge)))),
        msg::tooMuchToDraw());

    // No box holds a text this long; it is refused before anything is drawn from it.
    const std::string longColour(kMaxFieldCharacters + 1, 'x');
    EXPECT_EQ(std::get<QString>(decodeBoard(encodeBoard({CurveAction{CurveWindow::Classic, 1, {"1"}, longColour}}))),
        msg::inAction(1, "其他数学函数", msg::textTooLong("colour", kMaxFieldCharacters)));
}

// The view the board showed comes back bit for bit; a file without one, or with one that cannot be
// drawn, opens in the designed view with its actions intact.
TEST(BoardFileTest, TheViewIsRecordedAndAnOlderOrBadOneOpensDesigned)
{
    const std::vector<BoardAction> board = {FigureAction{FigureKind::Point, {"1", "2"}, "红"}};
    const ViewWindow zoomed = *ViewWindow::make(-0.1, 0.30000000000000004, 1e-7, 2.5e11);
    ViewWindow read;
    EXPECT_EQ(actionsOf(decodeBoard(encodeBoard(board, zoomed), ReadBudget(), &read)), board);
    EXPECT_EQ(read, zoomed);
    EXPECT_FALSE(encodeBoard(board).contains("\"view\"")) << "the designed view is not written";
    const struct {
        const char* name;
        QByteArray view;
    } designed[] = {
        {"no view", ""},
        {"reversed", R"("view": [5, -5, -1, 1],)"},
        {"three numbers", R"("view": [0, 1, 2],)"},
        {"a text", R"("view": ["0", 1, 2, 3],)"},
        {"beyond the largest coordinate", R"("view": [0, 1e300, 0, 1],)"},
    };
    for (const auto& row : designed) {
        read = zoomed;
        const QByteArray file
            = R"({"format": "curvana-board", "version": 3, )" + row.view + R"( "actions": [{"type": "clear"}]})";
        EXPECT_EQ(actionsOf(decodeBoard(file, ReadBudget(), &read)), std::vector<BoardAction>{ClearAction{}})
            << row.name;
        EXPECT_TRUE(read.isDesigned()) << row.name;
    }
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// A formula's parameters are optional: a file without them is an older one; broken ones are named.
TEST(BoardFileTest, FormulaParametersAreCheckedWhenRead)
{
    const QByteArray start = R"({"type": "formula", "kind": "function", "formulas": ["a x"], "range": ["-10", "10"], )"
                             R"("colour": "", "captionLine": 0)";
    const auto read = [&](const QByteArray& parameters) {
        return decodeBoard(R"({"format": "curvana-board", "version": 3, "actions": [)" + start + parameters + "}]}");
    };
    const BoardReadResult older = read("");
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(older));
    EXPECT_TRUE(std::get<FormulaAction>(std::get<OpenedBoard>(older).actions.front()).parameters.empty());
    const BoardReadResult good
        = read(R"(, "parameters": [{"name": "a", "value": -2, "from": -5, "to": 5, "step": 0.5}])");
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(good));
    EXPECT_EQ(std::get<FormulaAction>(std::get<OpenedBoard>(good).actions.front()).parameters,
        (FormulaParameters{{"a", -2, -5, 5, 0.5}}));
    for (const char* broken :
        {R"(, "parameters": 3)", R"(, "parameters": [{"value": 1, "from": 0, "to": 1, "step": 1}])",
            R"(, "parameters": [{"name": "a", "value": "1", "from": 0, "to": 1, "step": 1}])",
            R"(, "parameters": [{"name": "a", "value": 1, "from": 0, "step": 1}])"}) {
        const BoardReadResult result = read(broken);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << broken;
        EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("参数"))) << broken;
    }
}

// An equation's sliders are saved with it, and the opened board draws it with their values.
TEST(BoardFileTest, AnEquationComesBackWithItsParameters)
{
    FormulaAction ellipse{
        FormulaKind::Equation, "x²/a²+y²/b²=1", "", "-10", "10", "", 0, {{"a", 5, 1, 6, 0.5}, {"b", 3}}};
    const BoardReadResult read = decodeBoard(encodeBoard({ellipse}));
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(read));
    const OpenedBoard& opened = std::get<OpenedBoard>(read);
    EXPECT_EQ(opened.actions, std::vector<BoardAction>{ellipse});
    ASSERT_EQ(opened.drawings.size(), 1u);
    ASSERT_TRUE(opened.drawings.front().has_value());
    ASSERT_FALSE(opened.drawings.front()->polylines.empty());
    for (const Polyline& piece : opened.drawings.front()->polylines)
        for (const WorldPoint& p : piece.points)
            EXPECT_NEAR(p.x * p.x / 25 + p.y * p.y / 9, 1, 0.02) << p.x << ", " << p.y;
}

// A table's parameters are saved with it: the opened board puts the points where the values put
// them (y = 2x² at 1 and 2), and a bad value is refused as an own formula's is.
TEST(BoardFileTest, ATableComesBackWithItsParameters)
{
    const TableAction table{"a x²", {"1", "2"}, "", true, false, {{"a", 2, -5, 5, 0.5}}};
    const BoardReadResult read = decodeBoard(encodeBoard({table}));
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(read));
    const OpenedBoard& opened = std::get<OpenedBoard>(read);
    EXPECT_EQ(opened.actions, std::vector<BoardAction>{table});
    ASSERT_EQ(opened.drawings.size(), 1u);
    ASSERT_TRUE(opened.drawings.front().has_value());
    const std::vector<Mark>& marks = opened.drawings.front()->marks;
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].at.y, 2);
    EXPECT_EQ(marks[1].at.y, 8);
    const BoardReadResult broken = decodeBoard(R"({"format": "curvana-board", "version": 3, "actions": [)"
                                               R"({"type": "table", "formula": "a x", "x": ["1"], "colour": "", )"
                                               R"("points": true, "curve": false, "parameters": 3}]})");
    ASSERT_TRUE(std::holds_alternative<QString>(broken));
    EXPECT_TRUE(std::get<QString>(broken).contains(QStringLiteral("参数")));
}

} // namespace
} // namespace curvana
