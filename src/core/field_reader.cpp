#include "core/field_reader.h"

#include "core/number.h"

namespace curvana {

std::string askForNumber(std::string_view place)
{
    return "请" + std::string(place) + "填写一个数。";
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
    problem_ = InputProblem{field, "请" + std::string(place) + std::string(request)};
}

double FieldReader::number(int field)
{
    if (!ok())
        return 0;
    const std::optional<double> value = parseNumber(typed(field));
    if (!value) {
        fail(field, "填写一个数。");
        return 0;
    }
    return *value;
}

double FieldReader::single(int field)
{
    if (!ok())
        return 0;
    const std::string text = typed(field);
    if (const std::optional<float> value = parseSingle(text))
        return *value;
    // A number too large for single precision deserves a different request than letters do.
    fail(field, parseNumber(text) ? "填写一个小一些的数。" : "填写一个数。");
    return 0;
}

} // namespace curvana
