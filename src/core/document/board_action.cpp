// Printing actions for test failures, so a comparison that fails says which field differs.
#include "core/document/board_action.h"

#include <ostream>

namespace curvana {
namespace {

std::ostream& quoted(std::ostream& out, const std::string& text) { return out << '"' << text << '"'; }

std::ostream& operator<<(std::ostream& out, const FieldTexts& texts)
{
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i)
        quoted(out << (i ? ", " : ""), texts[i]);
    return out << ']';
}

const char* windowName(CurveWindow window)
{
    switch (window) {
    case CurveWindow::Elementary:
        return "Elementary";
    case CurveWindow::Conic:
        return "Conic";
    case CurveWindow::Classic:
        return "Classic";
    }
    return "?";
}

const char* formulaKindName(FormulaKind kind)
{
    switch (kind) {
    case FormulaKind::Function:
        return "Function";
    case FormulaKind::Parametric:
        return "Parametric";
    case FormulaKind::Polar:
        return "Polar";
    case FormulaKind::Equation:
        return "Equation";
    case FormulaKind::Inequality:
        return "Inequality";
    }
    return "?";
}

void printParameters(const FormulaParameters& parameters, std::ostream* out)
{
    for (const FormulaParameter& parameter : parameters)
        *out << ", " << parameter.name << '=' << parameter.value << " [" << parameter.from << ", " << parameter.to
             << "] step " << parameter.step;
}

} // namespace

void PrintTo(const CurveAction& action, std::ostream* out)
{
    *out << "CurveAction{" << windowName(action.window) << ", option " << action.option << ", " << action.texts
         << ", colour ";
    quoted(*out, action.colour) << '}';
}

void PrintTo(const FigureAction& action, std::ostream* out)
{
    *out << "FigureAction{figure " << static_cast<int>(action.figure) << ", " << action.texts << ", colour ";
    quoted(*out, action.colour) << '}';
}

void PrintTo(const StrokeRun& run, std::ostream* out)
{
    *out << "StrokeRun{colour 0x" << std::hex << run.colour << std::dec << ", " << run.points.size() << " dots:";
    for (const StrokePoint& point : run.points)
        *out << " (" << point.x << ", " << point.y << ')';
    *out << '}';
}

void PrintTo(const StrokeAction& action, std::ostream* out)
{
    *out << "StrokeAction{";
    for (std::size_t i = 0; i < action.runs.size(); ++i) {
        *out << (i ? ", " : "");
        PrintTo(action.runs[i], out);
    }
    *out << '}';
}

void PrintTo(const ClearAction&, std::ostream* out) { *out << "ClearAction{}"; }

void PrintTo(const LabelAction& action, std::ostream* out)
{
    *out << "LabelAction{" << action.texts << ", colour ";
    quoted(*out, action.colour) << '}';
}

void PrintTo(const FormulaAction& action, std::ostream* out)
{
    *out << "FormulaAction{" << formulaKindName(action.kind) << ", ";
    quoted(*out, action.first) << ", ";
    quoted(*out, action.second) << ", from ";
    quoted(*out, action.from) << " to ";
    quoted(*out, action.to) << ", colour ";
    quoted(*out, action.colour) << ", caption line " << action.captionLine;
    printParameters(action.parameters, out);
    // The fields of equations and inequalities, when they say more than their defaults.
    if (!action.objective.empty())
        quoted(*out << ", objective ", action.objective);
    *out << (action.lineStyle == LineStyle::Dashed ? ", dashed" : "") << (action.conicLines ? ", conic lines" : "")
         << '}';
}

void PrintTo(const TableAction& action, std::ostream* out)
{
    *out << "TableAction{";
    quoted(*out, action.formula) << ", x " << action.xs << ", colour ";
    quoted(*out, action.colour) << (action.points ? ", points" : "") << (action.curve ? ", curve" : "");
    printParameters(action.parameters, out);
    *out << '}';
}

void PrintTo(const NamedPointAction& action, std::ostream* out)
{
    *out << "NamedPointAction{" << action.texts << ", colour ";
    quoted(*out, action.colour) << '}';
}

} // namespace curvana
