// Boards saved by earlier versions of the program, kept as files: each must open to the same
// actions and draw the same pixels. Adding a box to a window, renumbering an option or changing
// what a family draws fails here before it makes a pupil's saved lesson unreadable or different.
// After an intended change of the drawings, run with CURVANA_UPDATE_GOLDEN=1 to write the new
// fingerprints, and check the difference in review.
#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"

namespace curvana {
namespace {

const QString kGoldenDir = QStringLiteral(CURVANA_GOLDEN_DIR);

// FNV-1a over what the board draws, at the picture's design size.
struct Fingerprint {
    std::uint64_t hash = 1469598103934665603ull;
    std::size_t pixels = 0;

    void add(std::int64_t value)
    {
        for (int i = 0; i < 8; ++i) {
            hash ^= static_cast<std::uint64_t>(value >> (8 * i)) & 0xff;
            hash *= 1099511628211ull;
        }
    }
    void add(const std::string& text)
    {
        for (const char c : text)
            add(static_cast<unsigned char>(c));
    }
    // The pixel a world point falls on when the board has its design size.
    void addPixel(WorldPoint p)
    {
        add(static_cast<std::int64_t>(std::floor((p.x + 10) * kDesignPixelsPerUnitX)));
        add(static_cast<std::int64_t>(std::floor((10 - p.y) * kDesignPixelsPerUnitY)));
        ++pixels;
    }
    void addLength(double units) { add(std::llround(units * kDesignPixelsPerUnitX * 1000)); }
};

void addDrawing(Fingerprint& print, const Drawing& drawing)
{
    for (const WorldPoint& dot : drawing.dots)
        print.addPixel(dot);
    for (const Segment& segment : drawing.segments) {
        print.addPixel(segment.from);
        print.addPixel(segment.to);
        print.add(segment.box);
    }
    for (const Polyline& polyline : drawing.polylines)
        for (const WorldPoint& point : polyline.points)
            print.addPixel(point);
    for (const CircleSpec& circle : drawing.circles) {
        print.addPixel(circle.centre);
        print.addLength(circle.radius);
        for (const auto& angle : {circle.start, circle.end, circle.aspect})
            print.add(angle ? std::llround(*angle * 1e6) : -1);
    }
    const auto addCaption = [&](const Caption& caption) {
        print.addPixel(caption.at);
        print.add(caption.text);
        print.add(caption.colour ? static_cast<std::int64_t>(*caption.colour) : -1);
    };
    for (const Caption& caption : drawing.captions)
        addCaption(caption);
    for (const Mark& mark : drawing.marks) {
        print.addPixel(mark.at);
        addCaption(mark.label);
    }
}

// One line per action: its number, title, pixels and hash.
std::string fingerprintLine(std::size_t index, const BoardAction& action)
{
    Fingerprint print;
    std::visit(Overloaded{
                   [&](const StrokeAction& stroke) {
                       for (const StrokeRun& run : stroke.runs) {
                           print.add(static_cast<std::int64_t>(run.colour));
                           for (const StrokePoint& point : run.points)
                               print.addPixel({point.x, point.y});
                       }
                   },
                   [](const ClearAction&) {},
                   [&](const FormulaAction& formula) {
                       const auto drawn = actionDrawing(formula);
                       ASSERT_TRUE(std::holds_alternative<Drawing>(drawn)) << index;
                       addDrawing(print, std::get<Drawing>(drawn));
                   },
                   [&](const auto& windowAction) {
                       const DrawingResult drawn = actionDrawing(windowAction);
                       ASSERT_TRUE(std::holds_alternative<Drawing>(drawn)) << index;
                       addDrawing(print, std::get<Drawing>(drawn));
                   },
               },
        action);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(print.hash));
    return std::to_string(index + 1) + " " + actionTitle(action) + " " + std::to_string(print.pixels) + " " + hash;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The action lines of a golden file: it is written one action per line, as the program writes.
QList<QByteArray> actionLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : bytes.split('\n'))
        if (line.startsWith("{\"type\""))
            lines.push_back(line.endsWith(',') ? line.chopped(1) : line);
    return lines;
}

std::vector<BoardAction> openGolden(const QString& name)
{
    const BoardReadResult result = readBoardFile(kGoldenDir + "/" + name);
    if (const auto* message = std::get_if<QString>(&result)) {
        ADD_FAILURE() << name.toStdString() << ": " << message->toStdString();
        return {};
    }
    return std::get<std::vector<BoardAction>>(result);
}

void expectFingerprints(const QString& name, const std::vector<BoardAction>& actions)
{
    QByteArray lines;
    for (std::size_t i = 0; i < actions.size(); ++i)
        lines += QByteArray::fromStdString(fingerprintLine(i, actions[i])) + "\n";
    const QString expectedPath = kGoldenDir + "/" + name + ".expected";
    if (qEnvironmentVariableIsSet("CURVANA_UPDATE_GOLDEN")) {
        QFile out(expectedPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(lines);
        return;
    }
    const QList<QByteArray> expected = readAll(expectedPath).split('\n');
    const QList<QByteArray> actual = lines.split('\n');
    ASSERT_EQ(actual.size(), expected.size()) << name.toStdString();
    for (qsizetype i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << name.toStdString();
}

class GoldenBoard : public ::testing::TestWithParam<const char*> { };

// Every action reads back as the same action (it writes the same line again) and draws the same.
TEST_P(GoldenBoard, OpensToTheSameActionsAndPixels)
{
    const QString name = QString::fromUtf8(GetParam());
    const std::vector<BoardAction> actions = openGolden(name);
    const QList<QByteArray> lines = actionLines(readAll(kGoldenDir + "/" + name));
    ASSERT_EQ(actions.size(), static_cast<std::size_t>(lines.size()));
    for (std::size_t i = 0; i < actions.size(); ++i)
        EXPECT_EQ(encodeAction(actions[i]), lines[static_cast<qsizetype>(i)]) << "action " << i + 1;
    expectFingerprints(name, actions);
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenBoard,
    ::testing::Values("version1_every_option.curvana", "version2_labels_and_formulas.curvana",
        "version3_tables_and_named_points.curvana"));

// The files hold every option of every curve window and every figure, so none can change unseen.
TEST(GoldenBoardCoverage, EveryOptionAndFigureIsInTheFiles)
{
    std::set<std::pair<CurveWindow, int>> options;
    std::set<FigureKind> figures;
    std::set<FormulaKind> formulas;
    bool label = false;
    for (const char* name : {"version1_every_option.curvana", "version2_labels_and_formulas.curvana"}) {
        for (const BoardAction& action : openGolden(QString::fromUtf8(name))) {
            if (const auto* curve = std::get_if<CurveAction>(&action))
                options.insert({curve->window, curve->option});
            if (const auto* figure = std::get_if<FigureAction>(&action))
                figures.insert(figure->figure);
            if (const auto* formula = std::get_if<FormulaAction>(&action))
                formulas.insert(formula->kind);
            label = label || std::holds_alternative<LabelAction>(action);
        }
    }
    for (const CurveWindowEntry& entry : curveWindowEntries())
        for (const CurveOption& option : entry.options)
            EXPECT_TRUE(options.contains({entry.window, option.number})) << option.family;
    EXPECT_EQ(figures.size(), kFigureKindCount);
    EXPECT_EQ(formulas.size(), 3u);
    EXPECT_TRUE(label);
}

} // namespace
} // namespace curvana
