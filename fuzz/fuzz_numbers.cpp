// Arbitrary bytes as typed into a box: reading them never fails badly, and every finite number
// they lead to is written in its display form and read back to the same number within 15 digits.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/text/number.h"
#include "fuzz_check.h"

namespace curvana {
namespace {

// Sign, a point, 15 digits, up to three zeros after the point or an exponent "E+308".
constexpr std::size_t kLongestDisplayForm = 22;

void checkReadsBack(double value)
{
    const std::string shown = displayForm(value);
    fuzzCheck(shown.size() <= kLongestDisplayForm, "display form too long", shown);
    fuzzCheck(shown[0] == ' ' || shown[0] == '-', "display form without blank or minus", shown);
    const auto parsed = parseNumber(shown);
    fuzzCheck(parsed.has_value(), "display form does not read back", shown);
    // 15 digits hold a double to a relative 5e-15; a subnormal also loses up to half its spacing.
    const double tolerance = std::fmax(1e-14 * std::fabs(value), DBL_TRUE_MIN);
    fuzzCheck(std::fabs(*parsed - value) <= tolerance, "display form reads back as another number", shown);
    // For normal doubles 15 digits survive the trip through a double, so the text is stable.
    if (std::fabs(value) >= DBL_MIN)
        fuzzCheck(displayForm(*parsed) == shown, "display form changes on a second trip", shown);
}

void checkParsers(std::string_view text)
{
    const auto number = parseNumber(text);
    const auto single = parseSingle(text);
    if (number)
        fuzzCheck(std::isfinite(*number), "parseNumber gave a non-finite value", text);
    if (single) {
        fuzzCheck(number && static_cast<float>(*number) == *single, "parseSingle disagrees with parseNumber", text);
        fuzzCheck(std::isfinite(*single), "parseSingle gave a non-finite value", text);
    } else if (number) {
        fuzzCheck(std::fabs(*number) > FLT_MAX, "parseSingle refused a float-sized number", text);
    }
    if (number)
        checkReadsBack(*number);
}

// Any eight bytes as a double reach values no typed text gives easily: subnormals, the top of
// the range, every bit pattern of the last digits.
void checkRawDoubles(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t at = 0; at + sizeof(double) <= size && at < 64; at += sizeof(double)) {
        double value;
        std::memcpy(&value, data + at, sizeof value);
        if (std::isfinite(value))
            checkReadsBack(value);
    }
}

} // namespace
} // namespace curvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    curvana::checkParsers(std::string_view(reinterpret_cast<const char*>(data), size));
    curvana::checkRawDoubles(data, size);
    return 0;
}
