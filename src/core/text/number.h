#pragma once
// Reading numbers out of text boxes and writing numbers into captions and axis labels.
#include <optional>
#include <string>
#include <string_view>

namespace curvana {

// A decimal number as a pupil types it: optional blanks around it, an optional sign, digits with
// an optional point and an optional exponent ("1e3", "2.5E-2"). Full-width digits, signs and point
// ("＋５", "－３．５", "1。5") and the minus sign "−" count as their ASCII forms. Empty text, letters,
// "nan", "inf", hexadecimal and values beyond a finite double give nothing. Never throws.
std::optional<double> parseNumber(std::string_view text);

// What parseNumber read, and whether a text that is written as a number was refused only because
// its value is beyond a finite double ("1e400"), which deserves another request than letters do.
struct NumberReading {
    std::optional<double> value;
    bool tooLarge = false;
};
NumberReading readNumber(std::string_view text);

// As parseNumber, for values that are held in single precision: also nothing when the value
// does not fit a finite float.
std::optional<float> parseSingle(std::string_view text);

// The display form of a number: a blank before a number that is not negative, "-" before a
// negative one, no "0" before the point of a number between -1 and 1 (" .5", "-.25"), at most 15
// significant digits, no trailing zeros; exponent form (" 1E+15", "-2.5E-07") where the decimal
// exponent is below -4 or at least 15. Not-a-number and infinities, which no caller should pass,
// come out as " NaN", " Inf" and "-Inf".
std::string displayForm(double value);

} // namespace curvana
