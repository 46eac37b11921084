#include "plotters/moving_formula.h"

#include "core/document/board_document.h"
#include "forms/board_target.h"
#include "plotters/parameter_rows.h"

namespace curvana {
namespace {

// How often the rows look whether the board changed the curve behind their back (撤销, 重做): the
// board tells its windows nothing, and a glance at one action costs next to nothing.
constexpr int kWatchMilliseconds = 200;

// The parameter whose value differs between the two, to name in a message; the first otherwise.
const FormulaParameter* changedParameter(const FormulaParameters& before, const FormulaParameters& after)
{
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i >= before.size() || !(after[i] == before[i]))
            return &after[i];
    return after.empty() ? nullptr : &after.front();
}

std::vector<std::string> namesOf(const FormulaParameters& parameters)
{
    std::vector<std::string> names;
    for (const FormulaParameter& parameter : parameters)
        names.push_back(parameter.name);
    return names;
}

} // namespace

MovingFormula::MovingFormula(BoardTarget& board, ParameterRows& rows, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_rows(rows)
{
    connect(&rows, &ParameterRows::valuesChanged, this, &MovingFormula::move);
    connect(&rows, &ParameterRows::gestureEnded, this, &MovingFormula::endGesture);
    m_watch.setInterval(kWatchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &MovingFormula::followBoard);
}

void MovingFormula::followBoard()
{
    if (m_before || m_rows.playing())
        return; // a gesture of the rows' own is under way
    const std::optional<BoardAction> shown = m_board.objectAction(m_id);
    if (!shown) {
        const auto last = m_board.lastFormula();
        if (last && last->first != m_id && !last->second.parameters.empty())
            emit followedCurveGone();
        return;
    }
    const auto* formula = std::get_if<FormulaAction>(&*shown);
    if (!formula || *formula == m_drawn)
        return;
    m_drawn = *formula;
    m_shownDrawing.reset();
    m_rows.setParameters(formula->parameters);
}

void MovingFormula::follow(std::uint64_t id, const FormulaAction& action)
{
    m_id = id;
    m_drawn = action;
    m_before.reset();
    m_shownDrawing.reset();
    m_watch.start();
}

void MovingFormula::move()
{
    if (m_id == 0 || m_drawn.parameters.empty())
        return;
    // The board's own object: an undo may have put other values back since the last move.
    const std::optional<BoardAction> shown = m_board.objectAction(m_id);
    if (!shown || !std::holds_alternative<FormulaAction>(*shown))
        return;
    FormulaAction moved = std::get<FormulaAction>(*shown);
    // A letter the edited formula no longer shows keeps the value the board has for it.
    FormulaParameters values = m_rows.parameters();
    values.insert(values.end(), moved.parameters.begin(), moved.parameters.end());
    moved.parameters = parametersFor(namesOf(moved.parameters), values);
    if (moved == std::get<FormulaAction>(*shown))
        return;
    const auto drawing = checkedDrawing(moved);
    const FormulaParameter* changed = changedParameter(std::get<FormulaAction>(*shown).parameters, moved.parameters);
    if (const auto* error = std::get_if<FormulaError>(&drawing)) {
        if (changed)
            m_rows.showMessage(changed->name,
                changed->name + "=" + shownNumber(changed->value) + "时画不出这条曲线：" + error->message);
        return;
    }
    for (const FormulaParameter& parameter : moved.parameters)
        m_rows.showMessage(parameter.name, {});
    if (!m_before)
        m_before = *shown;
    if (m_rows.tracing())
        leaveTrace(std::get<FormulaAction>(*shown));
    if (m_board.moveInPlace(m_id, moved))
        m_drawn = moved;
    m_shownDrawing = std::get<Drawing>(drawing);
}

void MovingFormula::leaveTrace(const FormulaAction& shown)
{
    if (!m_shownDrawing || !(m_drawn == shown)) {
        const auto drawing = actionDrawing(shown);
        if (!std::holds_alternative<Drawing>(drawing))
            return;
        m_shownDrawing = std::get<Drawing>(drawing);
    }
    m_board.leaveTrace(*m_shownDrawing, lookupPenColour(shown.colour).value_or(kBlack));
}

void MovingFormula::endGesture()
{
    if (m_before && m_id != 0)
        m_board.recordReplacement(m_id, *m_before);
    m_before.reset();
}

} // namespace curvana
