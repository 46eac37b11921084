#include "core/equations/plane_function.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>

#include "core/formula/formula_engine.h"

namespace curvana {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;

ValueRange everything() { return {-kInfinity, kInfinity, false}; }
ValueRange nothing() { return {0, 0, true}; }

// Bounds that came out NaN (∞ − ∞, 0·∞) are widened to everything: never too narrow.
ValueRange bounded(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return everything();
    return {std::min(a, b), std::max(a, b), false};
}

ValueRange hull(std::initializer_list<double> values)
{
    double low = kInfinity;
    double high = -kInfinity;
    for (const double v : values) {
        if (std::isnan(v))
            return everything();
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return {low, high, false};
}

ValueRange times(ValueRange a, ValueRange b)
{
    return hull({a.low * b.low, a.low * b.high, a.high * b.low, a.high * b.high});
}

ValueRange divided(ValueRange a, ValueRange b)
{
    if (b.low == 0 && b.high == 0)
        return nothing();
    if (b.low <= 0 && b.high >= 0)
        return everything();
    return times(a, {1 / b.high, 1 / b.low, false});
}

ValueRange integerPower(ValueRange a, int n)
{
    if (n == 0)
        return {1, 1, false};
    if (n < 0)
        return divided({1, 1, false}, integerPower(a, -n));
    const double low = std::pow(a.low, n);
    const double high = std::pow(a.high, n);
    if (n % 2 == 1)
        return bounded(low, high);
    if (a.low >= 0 || a.high <= 0)
        return bounded(low, high);
    return {0, std::max(low, high), false};
}

// sin over [a, b]: the ends, and ±1 where a crest or trough lies inside.
ValueRange sine(ValueRange a)
{
    if (!std::isfinite(a.low) || !std::isfinite(a.high) || a.high - a.low >= 2 * kPi)
        return {-1, 1, false};
    ValueRange range = bounded(std::sin(a.low), std::sin(a.high));
    const auto holds = [&](double phase) { // some phase + 2kπ inside [a, b]
        return std::floor((a.high - phase) / (2 * kPi)) >= std::ceil((a.low - phase) / (2 * kPi));
    };
    if (holds(kPi / 2))
        range.high = 1;
    if (holds(-kPi / 2))
        range.low = -1;
    return range;
}

// tan over [a, b], or everything when a pole lies inside.
ValueRange tangent(ValueRange a)
{
    if (!std::isfinite(a.low) || !std::isfinite(a.high)
        || std::floor((a.low - kPi / 2) / kPi) != std::floor((a.high - kPi / 2) / kPi))
        return everything();
    return bounded(std::tan(a.low), std::tan(a.high));
}

// An increasing function on its domain [lowest, highest]; outside it there is no value.
template <typename Function> ValueRange increasing(ValueRange a, double lowest, double highest, Function f)
{
    if (a.high < lowest || a.low > highest)
        return nothing();
    return bounded(f(std::max(a.low, lowest)), f(std::min(a.high, highest)));
}

ValueRange power(ValueRange base, ValueRange exponent)
{
    if (base.high < 0 || base.low < 0)
        return everything(); // odd roots of negatives: not worth narrowing
    return hull({std::pow(base.low, exponent.low), std::pow(base.low, exponent.high), std::pow(base.high, exponent.low),
        std::pow(base.high, exponent.high)});
}

const std::map<std::string, int, std::less<>>& functionSteps()
{
    static const std::map<std::string, int, std::less<>> steps
        = {{"sqrt", 0}, {"abs", 1}, {"exp", 2}, {"ln", 3}, {"lg", 4}, {"sin", 5}, {"cos", 6}, {"tan", 7}, {"cot", 8},
            {"sec", 9}, {"csc", 10}, {"arcsin", 11}, {"arccos", 12}, {"arctan", 13}};
    return steps;
}

} // namespace

bool PlaneFunction::isBinary(Op op) { return (op >= Op::Add && op <= Op::Power) || op == Op::LogarithmToBase; }

PlaneFunction::PlaneFunction(const SyntaxTree& tree) { compile(tree, tree.root); }

void PlaneFunction::compile(const SyntaxTree& tree, int index)
{
    const SyntaxNode& node = tree.nodes[static_cast<std::size_t>(index)];
    const auto binary = [&](Op op) {
        compile(tree, node.left);
        compile(tree, node.right);
        m_program.push_back({op, 0});
    };
    switch (node.kind) {
    case SyntaxKind::Number:
        m_program.push_back({Op::Constant, node.value});
        return;
    case SyntaxKind::Pi:
        m_program.push_back({Op::Constant, kPi});
        return;
    case SyntaxKind::E:
        m_program.push_back({Op::Constant, std::numbers::e});
        return;
    case SyntaxKind::Variable:
        m_program.push_back({node.function == "y" ? Op::Y : Op::X, 0});
        return;
    case SyntaxKind::Negate:
        compile(tree, node.left);
        m_program.push_back({Op::Negate, 0});
        return;
    case SyntaxKind::Add:
        return binary(Op::Add);
    case SyntaxKind::Subtract:
        return binary(Op::Subtract);
    case SyntaxKind::Multiply:
        return binary(Op::Multiply);
    case SyntaxKind::Divide:
        return binary(Op::Divide);
    case SyntaxKind::Power: {
        const SyntaxNode& exponent = tree.nodes[static_cast<std::size_t>(node.right)];
        if (exponent.kind == SyntaxKind::Number && std::nearbyint(exponent.value) == exponent.value
            && std::fabs(exponent.value) <= 64) {
            compile(tree, node.left);
            m_program.push_back({Op::IntegerPower, exponent.value});
            return;
        }
        return binary(Op::Power);
    }
    case SyntaxKind::Call:
        if (node.function == "log")
            return binary(Op::LogarithmToBase);
        compile(tree, node.left);
        m_program.push_back({static_cast<Op>(static_cast<int>(Op::Sqrt) + functionSteps().at(node.function)), 0});
        return;
    }
}

double PlaneFunction::operator()(double x, double y) const
{
    std::vector<double>& stack = m_values;
    stack.clear();
    for (const Step& step : m_program) {
        if (step.op == Op::Constant || step.op == Op::X || step.op == Op::Y) {
            stack.push_back(step.op == Op::Constant ? step.value : step.op == Op::X ? x : y);
            continue;
        }
        const double b = stack.back();
        if (isBinary(step.op))
            stack.pop_back();
        double& a = stack.back(); // the operand of a unary step, the left one of a binary step
        switch (step.op) {
        case Op::Negate:
            a = -a;
            break;
        case Op::Add:
            a += b;
            break;
        case Op::Subtract:
            a -= b;
            break;
        case Op::Multiply:
            a *= b;
            break;
        case Op::Divide:
            a /= b;
            break;
        case Op::Power:
            a = schoolPower(a, b);
            break;
        case Op::IntegerPower:
            a = std::pow(a, step.value);
            break;
        case Op::LogarithmToBase:
            a = logarithmToBase(a, b);
            break;
        case Op::Sqrt:
            a = std::sqrt(a);
            break;
        case Op::Abs:
            a = std::fabs(a);
            break;
        case Op::Exp:
            a = std::exp(a);
            break;
        case Op::Ln:
            a = std::log(a);
            break;
        case Op::Lg:
            a = std::log10(a);
            break;
        case Op::Sin:
            a = std::sin(a);
            break;
        case Op::Cos:
            a = std::cos(a);
            break;
        case Op::Tan:
            a = std::tan(a);
            break;
        case Op::Cot:
            a = std::cos(a) / std::sin(a);
            break;
        case Op::Sec:
            a = 1 / std::cos(a);
            break;
        case Op::Csc:
            a = 1 / std::sin(a);
            break;
        case Op::Arcsin:
            a = std::asin(a);
            break;
        case Op::Arccos:
            a = std::acos(a);
            break;
        case Op::Arctan:
            a = std::atan(a);
            break;
        default:
            break;
        }
    }
    return stack.back();
}

ValueRange PlaneFunction::over(ValueRange x, ValueRange y) const
{
    std::vector<ValueRange>& stack = m_ranges;
    stack.clear();
    for (const Step& step : m_program) {
        if (step.op == Op::Constant || step.op == Op::X || step.op == Op::Y) {
            stack.push_back(step.op == Op::Constant ? ValueRange{step.value, step.value, false}
                    : step.op == Op::X              ? x
                                                    : y);
            continue;
        }
        const ValueRange b = stack.back();
        if (isBinary(step.op))
            stack.pop_back();
        ValueRange& a = stack.back();
        if (a.empty || b.empty) {
            a = nothing();
            continue;
        }
        switch (step.op) {
        case Op::Negate:
            a = {-a.high, -a.low, false};
            break;
        case Op::Add:
            a = bounded(a.low + b.low, a.high + b.high);
            break;
        case Op::Subtract:
            a = bounded(a.low - b.high, a.high - b.low);
            break;
        case Op::Multiply:
            a = times(a, b);
            break;
        case Op::Divide:
            a = divided(a, b);
            break;
        case Op::Power:
            a = power(a, b);
            break;
        case Op::IntegerPower:
            a = integerPower(a, static_cast<int>(step.value));
            break;
        case Op::LogarithmToBase:
            a = a.low == a.high && a.low > 0 && a.low != 1
                ? divided(increasing(b, 0, kInfinity, [](double v) { return std::log(v); }),
                    {std::log(a.low), std::log(a.low), false})
                : everything();
            break;
        case Op::Sqrt:
            a = increasing(a, 0, kInfinity, [](double v) { return std::sqrt(v); });
            break;
        case Op::Abs:
            a = a.low >= 0    ? a
                : a.high <= 0 ? ValueRange{-a.high, -a.low, false}
                              : ValueRange{0, std::max(-a.low, a.high), false};
            break;
        case Op::Exp:
            a = bounded(std::exp(a.low), std::exp(a.high));
            break;
        case Op::Ln:
            a = increasing(a, 0, kInfinity, [](double v) { return std::log(v); });
            break;
        case Op::Lg:
            a = increasing(a, 0, kInfinity, [](double v) { return std::log10(v); });
            break;
        case Op::Sin:
            a = sine(a);
            break;
        case Op::Cos:
            a = sine(bounded(a.low + kPi / 2, a.high + kPi / 2));
            break;
        case Op::Tan:
            a = tangent(a);
            break;
        case Op::Cot: { // cot v = −tan(v − π/2)
            const ValueRange t = tangent(bounded(a.low - kPi / 2, a.high - kPi / 2));
            a = {-t.high, -t.low, false};
            break;
        }
        case Op::Sec:
            a = divided({1, 1, false}, sine(bounded(a.low + kPi / 2, a.high + kPi / 2)));
            break;
        case Op::Csc:
            a = divided({1, 1, false}, sine(a));
            break;
        case Op::Arcsin:
            a = increasing(a, -1, 1, [](double v) { return std::asin(v); });
            break;
        case Op::Arccos: { // decreasing
            const ValueRange r = increasing(a, -1, 1, [](double v) { return -std::acos(v); });
            a = r.empty ? r : ValueRange{-r.high, -r.low, false};
            break;
        }
        case Op::Arctan:
            a = bounded(std::atan(a.low), std::atan(a.high));
            break;
        default:
            break;
        }
    }
    return stack.back();
}

} // namespace curvana
