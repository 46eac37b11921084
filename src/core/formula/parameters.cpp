#include "core/formula/parameters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/text/utf8.h"

namespace curvana {
namespace {

bool isVariableOf(const std::string& name, const FormulaVocabulary& vocabulary)
{
    return name == vocabulary.variable || (!vocabulary.secondVariable.empty() && name == vocabulary.secondVariable);
}

const FormulaParameter* findParameter(const FormulaParameters& parameters, const std::string& name)
{
    const auto found = std::ranges::find(parameters, name, &FormulaParameter::name);
    return found == parameters.end() ? nullptr : &*found;
}

// The largest count of steps a range may hold before it is walked as a whole number of them; a
// range of more steps than this is not refused, only not snapped.
constexpr double kMostSteps = 1e9;

} // namespace

std::vector<std::string> parameterNames(std::string_view text, const FormulaVocabulary& vocabulary)
{
    FormulaVocabulary reading = vocabulary;
    reading.parameters = true;
    const Tokenized tokens = tokenize(codePointsOf(text), reading);
    std::vector<std::string> names;
    for (const Token& token : tokens.tokens) {
        if (token.kind != TokenKind::Name || isFunctionWord(token.word) || isConstantWord(token.word)
            || isVariableOf(token.word, vocabulary))
            continue;
        if (std::ranges::find(names, token.word) == names.end())
            names.push_back(token.word);
    }
    return names;
}

FormulaParameters parametersFor(const std::vector<std::string>& names, const FormulaParameters& kept)
{
    FormulaParameters parameters;
    for (const std::string& name : names) {
        const FormulaParameter* old = findParameter(kept, name);
        parameters.push_back(old ? *old : FormulaParameter{name});
    }
    return parameters;
}

void putInValues(SyntaxTree& tree, const FormulaVocabulary& vocabulary, const FormulaParameters& parameters)
{
    for (SyntaxNode& node : tree.nodes) {
        if (node.kind != SyntaxKind::Variable || isVariableOf(node.function, vocabulary))
            continue;
        const FormulaParameter* parameter = findParameter(parameters, node.function);
        node.kind = SyntaxKind::Number;
        node.value = parameter ? parameter->value : FormulaParameter{}.value;
    }
}

std::string shownNumber(double value)
{
    if (std::fabs(value) < 1e-12)
        value = 0; // a value walked to zero by steps shows as 0, never as 1e-17
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", std::fabs(value));
    return (value < 0 ? "−" : "") + std::string(text);
}

std::string parameterCaption(const FormulaParameters& parameters)
{
    std::string caption;
    for (const FormulaParameter& parameter : parameters)
        caption += "　" + parameter.name + "=" + shownNumber(parameter.value);
    return caption;
}

bool anyFractionalValue(const FormulaParameters& parameters)
{
    return std::ranges::any_of(
        parameters, [](const FormulaParameter& p) { return p.value != std::nearbyint(p.value); });
}

std::optional<std::string> rangeProblem(const FormulaParameter& parameter)
{
    if (!(parameter.from < parameter.to))
        return parameter.name + "的“从”要小于“到”。";
    if (!std::isfinite(parameter.to - parameter.from))
        return parameter.name + "的范围太大了。";
    if (!(parameter.step > 0) || !std::isfinite(parameter.step))
        return parameter.name + "的“步长”要大于0。";
    return std::nullopt;
}

double steppedValue(const FormulaParameter& parameter, int steps)
{
    if (rangeProblem(parameter))
        return parameter.value;
    const double span = parameter.to - parameter.from;
    const double moved = parameter.value + steps * parameter.step;
    double value = std::clamp(moved, parameter.from, parameter.to);
    if (span / parameter.step <= kMostSteps) {
        const double counted = std::nearbyint((value - parameter.from) / parameter.step);
        value = std::clamp(parameter.from + counted * parameter.step, parameter.from, parameter.to);
    }
    // A grid counted in tenths lands a hair off its decimal (0.30000000000000004); round to it.
    const double rounded = std::nearbyint(value * 1e9) / 1e9;
    return std::isfinite(rounded) ? rounded : value;
}

PlayPosition playedOn(const FormulaParameter& parameter, int direction, double seconds)
{
    if (rangeProblem(parameter))
        return {parameter.value, direction};
    const double span = parameter.to - parameter.from;
    // Unfolded, the way up and down is a loop of two spans; the position along it, then folded.
    const double along = std::clamp(parameter.value, parameter.from, parameter.to) - parameter.from;
    const double start = direction >= 0 ? along : 2 * span - along;
    const double travelled = std::fmod(start + std::fabs(seconds) * span / kPlayCrossingSeconds, 2 * span);
    if (travelled <= span)
        return {parameter.from + travelled, 1};
    return {parameter.from + 2 * span - travelled, -1};
}

} // namespace curvana
