#pragma once
// What the plotters and figure dialogs draw on: the board, seen only through the few things they
// ask of it. The board window implements it; tests may stand in for it.
#include <cstdint>
#include <optional>

#include "core/document/board_action.h"

namespace curvana {

class DesktopServices;

class BoardTarget {
public:
    virtual ~BoardTarget() = default;
    // Records `action` as one undoable step; the board draws what the action makes. The caller
    // has checked its input: an action whose drawing fails is never handed over.
    virtual void perform(const BoardAction& action) = 0;
    // "撤销" and "重做" of the board, so Ctrl+Z and Ctrl+Y work from the window the user is in.
    virtual void undo() = 0;
    virtual void redo() = 0;
    // The caption line for the next own formula: how many own formulas the board shows since it
    // was last cleared, so their captions stand one under the other.
    virtual int formulaCaptionLine() const = 0;
    // The object the last perform added (0 before any), so a window can change it in place later.
    virtual std::uint64_t lastObjectId() const = 0;
    // The own formula shown last on the board and its object, so the window opened again goes on
    // with it; nothing when the board shows none.
    virtual std::optional<std::pair<std::uint64_t, FormulaAction>> lastFormula() const = 0;
    // The action object `id` is drawn from now; nothing when the board does not show it (undone, or
    // wiped by a clear).
    virtual std::optional<BoardAction> objectAction(std::uint64_t id) const = 0;
    // Draws object `id` from `action` instead, in its place, with no step of its own (the hand is
    // still moving it); false when the board no longer shows it.
    virtual bool moveInPlace(std::uint64_t id, const BoardAction& action) = 0;
    // The hand's move of object `id` ended: its changes since it was `before` become one step.
    virtual void recordReplacement(std::uint64_t id, const BoardAction& before) = 0;
    // 轨迹: `previous`, a curve's place before a move, stays in a light tint of `colour` until 清除.
    virtual void leaveTrace(const Drawing& previous, Rgb colour) = 0;
    // The message boxes and dialogs of the desktop the board was handed.
    virtual DesktopServices& services() = 0;
};

} // namespace curvana
