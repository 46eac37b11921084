#pragma once
// What the plotters and figure dialogs draw on: the board, seen only through the few things they
// ask of it. The board window implements it; tests may stand in for it.
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
    // The message boxes and dialogs of the desktop the board was handed.
    virtual DesktopServices& services() = 0;
};

} // namespace curvana
