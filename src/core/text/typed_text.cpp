#include "core/text/typed_text.h"

#include <cstdio>

namespace curvana {

char32_t plainForm(char32_t code)
{
    if (code >= U'！' && code <= U'～')
        code -= 0xFEE0;
    switch (code) {
    case U'\t':
    case U'\n':
    case U'\r':
    case U'　':
    case U'\u00A0':
    case U'\u2007':
    case U'\u202F':
        return U' ';
    case U'\u200B':
    case U'\u200C':
    case U'\u200D':
    case U'\u2060':
    case U'\uFEFF':
        return kSkippedCode;
    case U'。':
    case U'｡':
        return U'.';
    case U'×':
    case U'·':
    case U'⋅':
    case U'∙':
    case U'∗':
        return U'*';
    case U'÷':
    case U'∕':
        return U'/';
    case U'−':
    case U'–':
    case U'—':
    case U'‐':
    case U'‑':
    case U'﹣':
        return U'-';
    case U'∣':
        return U'|';
    case U'Θ':
    case U'ϑ':
        return U'θ';
    case U'Φ':
    case U'ϕ':
        return U'φ';
    case U'【':
        return U'[';
    case U'】':
        return U']';
    default:
        break;
    }
    if (code >= U'A' && code <= U'Z')
        return code - U'A' + U'a';
    return code;
}

bool isInvisible(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0xAD || code == 0x34F
        || (code >= 0x200E && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E)
        || (code >= 0x2061 && code <= 0x206F) || (code >= 0xFFF9 && code <= 0xFFFB)
        || (code >= 0xE0000 && code <= 0xE007F);
}

std::string codeName(char32_t code)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
    return name;
}

} // namespace curvana
