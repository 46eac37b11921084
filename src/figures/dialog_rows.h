#pragma once
// Building blocks for the tables of the figure and text dialogs. Every one of them asks for points
// the same way — a prompt, then "（ x ， y ）": a bracket, the x box, the comma, the y box and the
// closing bracket — asks for single numbers as a prompt and a box, and ends with the colour combo
// and 确定/取消. Built from short descriptions, a dialog's table lists only what differs (names,
// places, tab numbers, starting texts) instead of repeating the fixed sizes, captions and bracket
// font in every dialog.
#include <array>
#include <cstddef>

#include "figures/figure_dialog.h"
#include "forms/form_table.h"

namespace curvana {

// The brackets are drawn larger and bold around the boxes.
inline constexpr FontSpec kBracketFont{15, true};

// The controls of one entry after its prompt, in the order they stand in a table.
struct PointEntryNames {
    const char* open;
    const char* x;
    const char* y;
    const char* close;
    const char* comma;
};

// Left edges in twips, same order.
struct PointEntryColumns {
    int open, x, y, close, comma;
};

// Tab numbers, same order.
struct PointEntryTabs {
    int open, x, y, close, comma;
};

struct PointEntry {
    ControlRow prompt; // the label above the entry, written out: its size follows its text
    PointEntryNames names;
    int top; // twips; the comma sits lower, on the boxes' baseline
    PointEntryColumns columns;
    PointEntryTabs tabs;
    const char* x; // starting texts of the boxes
    const char* y;
    int yWidth = 495;
};

// The names of a dialog with one entry, and of the first, second and third entry of a dialog with
// several.
inline constexpr PointEntryNames kSingleEntryNames{"Label2", "Text1", "Text2", "Label3", "Label4"};
inline constexpr PointEntryNames kFirstEntryNames{"Label2_0", "Text1", "Text2", "Label3_0", "Label4_0"};
inline constexpr PointEntryNames kSecondEntryNames{"Label2_1", "Text3", "Text4", "Label3_1", "Label4_1"};
inline constexpr PointEntryNames kThirdEntryNames{"Label2_2", "Text5", "Text6", "Label3_2", "Label4_2"};

// Column sets: the wide one of most dialogs, and the narrower ones of the arc and the triangle.
inline constexpr PointEntryColumns kWideEntryColumns{0, 480, 1560, 2160, 1080};
inline constexpr PointEntryColumns kArcEntryColumns{0, 480, 1440, 2040, 1080};
inline constexpr PointEntryColumns kNarrowEntryColumns{0, 360, 1320, 1920, 1080};

// The first entry's controls follow its prompt in tab order.
inline constexpr PointEntryTabs kFirstEntryTabs{5, 1, 2, 6, 7};

// The prompt and the five controls of one entry.
constexpr std::array<ControlRow, 6> pointEntryRows(const PointEntry& entry)
{
    const PointEntryNames& n = entry.names;
    const PointEntryColumns& c = entry.columns;
    const PointEntryTabs& t = entry.tabs;
    return {{
        entry.prompt,
        {Ctl::Label, n.open, nullptr, "（", c.open, entry.top, 375, 375, t.open, {}, kBracketFont},
        {Ctl::Text, n.x, nullptr, entry.x, c.x, entry.top, 495, 270, t.x},
        {Ctl::Text, n.y, nullptr, entry.y, c.y, entry.top, entry.yWidth, 270, t.y},
        {Ctl::Label, n.close, nullptr, "）", c.close, entry.top, 375, 375, t.close, {}, kBracketFont},
        {Ctl::Label, n.comma, nullptr, "，", c.comma, entry.top + 120, 255, 255, t.comma},
    }};
}

// A prompt and the one number box it asks for (a radius, a half-axis, an angle).
struct NumberBox {
    ControlRow prompt;
    const char* name;
    const char* text; // starting text
    int left, top, width, tab;
};

constexpr std::array<ControlRow, 2> numberBoxRows(const NumberBox& box)
{
    return {{box.prompt, {Ctl::Text, box.name, nullptr, box.text, box.left, box.top, box.width, 375, box.tab}}};
}

// The "°" right of an angle box.
constexpr ControlRow degreeSignRow(const char* name, int top, int tab)
{
    return {Ctl::Label, name, nullptr, "°", 2160, top, 495, 135, tab};
}

// The colour combo above the buttons.
struct ColourComboPlace {
    int left, top, width, tab;
};

// Where one of the two buttons stands on their common row.
struct ButtonPlace {
    int left, width, tab;
};

struct ClosingRows {
    ColourComboPlace colour;
    const FigureButtons& buttons;
    int buttonsTop;
    ButtonPlace ok;
    ButtonPlace cancel;
};

// The colour combo, 确定 and 取消.
constexpr std::array<ControlRow, 3> closingRows(const ClosingRows& closing)
{
    const ColourComboPlace& colour = closing.colour;
    const int top = closing.buttonsTop;
    return {{
        {Ctl::ColourCombo, "Combo1", nullptr, "请选择颜色", colour.left, colour.top, colour.width, 300, colour.tab},
        {Ctl::Button, closing.buttons.ok, nullptr, "确定", closing.ok.left, top, closing.ok.width, 375, closing.ok.tab},
        {Ctl::Button, closing.buttons.cancel, nullptr, "取消", closing.cancel.left, top, closing.cancel.width, 375,
            closing.cancel.tab},
    }};
}

namespace detail {
template <typename Part> inline constexpr std::size_t kRowCount = 1;
template <std::size_t N> inline constexpr std::size_t kRowCount<std::array<ControlRow, N>> = N;

template <std::size_t N> constexpr void appendRows(ControlRow*& out, const std::array<ControlRow, N>& rows)
{
    for (const ControlRow& row : rows)
        *out++ = row;
}
constexpr void appendRows(ControlRow*& out, const ControlRow& row) { *out++ = row; }
} // namespace detail

// One table from single rows and arrays of rows, in the order given: the order the controls are
// created in.
template <typename... Parts> constexpr auto joinRows(const Parts&... parts)
{
    std::array<ControlRow, (detail::kRowCount<Parts> + ...)> table{};
    ControlRow* out = table.data();
    (detail::appendRows(out, parts), ...);
    return table;
}

} // namespace curvana
