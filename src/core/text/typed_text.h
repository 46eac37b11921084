#pragma once
// One reading of typed characters for every box, number or formula: what an input method or a
// copy from a web page puts in the text counts as the plain ASCII a number or formula is made of.
#include <string>

namespace curvana {

// Stands for a character that shows nothing and takes no room (a zero-width space or joiner, a
// byte-order mark): it is skipped, wherever it was pasted.
inline constexpr char32_t kSkippedCode = 0;

// Full-width forms, the Chinese full stop as a decimal point, the multiplication and division
// signs, the centred dot, minus signs and dashes, Greek capitals and Latin capitals are read as
// their plain forms; every blank (tab, line break, ideographic or no-break space) is ' '.
char32_t plainForm(char32_t code);

// A character that shows nothing on the screen, which a pupil could not find to delete unless
// the message names it: controls, direction marks, invisible operators, the soft hyphen.
bool isInvisible(char32_t code);

// "U+200E".
std::string codeName(char32_t code);

} // namespace curvana
