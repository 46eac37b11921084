#pragma once
// Walking typed text one Unicode code point at a time, and writing code points back.
#include <string>
#include <string_view>

namespace curvana {

// Stands for a malformed UTF-8 sequence, which then counts as one (unknown) character.
inline constexpr char32_t kMalformedCodePoint = U'\uFFFD';

// Decodes one UTF-8 sequence at text[pos] and advances pos past it.
inline char32_t nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || pos + extra > text.size())
        return kMalformedCodePoint;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos++]);
        if ((byte & 0xC0) != 0x80)
            return kMalformedCodePoint;
        code = (code << 6) | (byte & 0x3F);
    }
    return code;
}

inline std::u32string codePointsOf(std::string_view text)
{
    std::u32string codes;
    codes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        codes += nextCodePoint(text, pos);
    return codes;
}

inline void appendUtf8(std::string& out, char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = kMalformedCodePoint;
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[extra] | (code >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

inline std::string utf8Of(std::u32string_view codes)
{
    std::string out;
    for (const char32_t code : codes)
        appendUtf8(out, code);
    return out;
}

// `codes` without the blanks (spaces, tabs, ideographic spaces) before and after it.
inline std::u32string_view withoutSurroundingBlanks(std::u32string_view codes)
{
    const auto blank = [](char32_t code) { return code == U' ' || code == U'\t' || code == U'　'; };
    while (!codes.empty() && blank(codes.front()))
        codes.remove_prefix(1);
    while (!codes.empty() && blank(codes.back()))
        codes.remove_suffix(1);
    return codes;
}

} // namespace curvana
