#include "core/text/field_reader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/formula/formula_engine.h"
#include "core/text/number.h"
#include "core/text/typed_text.h"
#include "core/text/utf8.h"

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

// "1e", "2.5E-": a decimal whose exponent is still to be typed, not the product 1·e.
bool unfinishedExponent(std::string_view text)
{
    std::u32string codes = codePointsOf(text);
    while (!codes.empty() && plainForm(codes.back()) == U' ')
        codes.pop_back();
    if (codes.empty())
        return false;
    const bool sign = plainForm(codes.back()) == U'+' || plainForm(codes.back()) == U'-';
    if (sign)
        codes.pop_back();
    return !codes.empty() && plainForm(codes.back()) == U'e' && readNumber(utf8Of(codes) + "0").value.has_value();
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
    if (unfinishedExponent(text))
        return {std::nullopt, {0, length, "里的数没有写完：e后面要写指数，如1e3。"}, false};
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
