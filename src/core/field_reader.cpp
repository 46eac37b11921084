#include "core/field_reader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/formula_engine.h"
#include "core/number.h"
#include "core/typed_text.h"
#include "core/utf8.h"

namespace curvana {

namespace {
constexpr std::string_view kAskNumber = "填写一个数。";
// A number too large for the computation deserves a different request than letters do.
constexpr std::string_view kAskSmaller = "填写一个小一些的数。";
// A box that looks right but holds an invisible character (pasted from a web page) names it, or
// the pupil could not see what to delete.
std::string invisibleNote(std::string_view text)
{
    for (const char32_t code : codePointsOf(text))
        if (isInvisible(plainForm(code)))
            return "框里有一个看不见的字符" + codeName(code) + "，请删去它。";
    return {};
}

} // namespace

TypedNumber readTypedNumber(std::string_view text)
{
    const NumberReading decimal = readNumber(text);
    if (decimal.value)
        return {decimal.value, {}, false};
    const int length = static_cast<int>(codePointsOf(text).size());
    if (decimal.tooLarge)
        return {std::nullopt, {0, length, "里的这个数太大了。"}, true};
    auto compiled = compileFormula(text, {});
    if (const auto* problem = std::get_if<TextProblem>(&compiled))
        return {std::nullopt, *problem, false};
    const double value = std::get<CompiledFunction>(compiled)(0);
    if (!std::isfinite(value))
        return {std::nullopt, {0, length, "里的值不是一个实数。"}, false};
    return {value, {}, false};
}

std::string FieldReader::typed(int field) const
{
    const auto index = static_cast<std::size_t>(field);
    return index < texts_.size() ? texts_[index] : std::string();
}

void FieldReader::fail(int field, std::string_view request)
{
    if (problem_)
        return;
    const auto index = static_cast<std::size_t>(field);
    const std::string_view place = index < places_.size() ? places_[index] : std::string_view("在输入框里");
    problem_ = InputProblem{field, "请" + std::string(place) + std::string(request) + invisibleNote(typed(field))};
}

std::string FieldReader::shown(int field) const
{
    const std::string text = typed(field);
    if (const std::optional<double> decimal = parseNumber(text))
        return displayForm(*decimal);
    std::u32string codes = codePointsOf(text);
    const auto blank = [](char32_t code) { return plainForm(code) == U' ' || plainForm(code) == kSkippedCode; };
    while (!codes.empty() && blank(codes.back()))
        codes.pop_back();
    const auto first = std::find_if_not(codes.begin(), codes.end(), blank);
    codes.erase(codes.begin(), first);
    const bool negative = !codes.empty() && plainForm(codes.front()) == U'-';
    return (negative ? "" : " ") + utf8Of(codes);
}

double FieldReader::number(int field)
{
    if (!ok())
        return 0;
    const TypedNumber reading = readTypedNumber(typed(field));
    if (!reading.value) {
        fail(field, reading.tooLarge ? kAskSmaller : kAskNumber);
        return 0;
    }
    return *reading.value;
}

double FieldReader::single(int field)
{
    if (!ok())
        return 0;
    const TypedNumber reading = readTypedNumber(typed(field));
    if (reading.value && std::fabs(*reading.value) <= FLT_MAX)
        return static_cast<float>(*reading.value);
    fail(field, reading.value || reading.tooLarge ? kAskSmaller : kAskNumber);
    return 0;
}

} // namespace curvana
