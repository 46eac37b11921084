#include "core/field_reader.h"

#include "core/number.h"

namespace curvana {

namespace {
constexpr std::string_view kAskNumber = "填写一个数。";
// A number too large for the computation deserves a different request than letters do.
constexpr std::string_view kAskSmaller = "填写一个小一些的数。";
} // namespace

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
    const NumberReading reading = readNumber(typed(field));
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
    const std::string text = typed(field);
    if (const std::optional<float> value = parseSingle(text))
        return *value;
    const NumberReading reading = readNumber(text);
    fail(field, reading.value || reading.tooLarge ? kAskSmaller : kAskNumber);
    return 0;
}

} // namespace curvana
