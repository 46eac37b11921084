#pragma once
// Draws the board's document on a surface, exactly as the live path drew it: the same drawing
// function with the same texts, the same dots in the same order. 确定, redo, opening a board and
// an object changed in place all come this one way.
#include "canvas/surface.h"
#include "core/document/board_action.h"
#include "core/document/board_document.h"

namespace curvana {

// Paints `action` onto `surface` as it is, computed for `view`, into the object the caller began.
// `checked`, when given, is the action's drawing as already computed for the designed view,
// painted instead of computing it again.
void paintAction(
    Surface& surface, const BoardAction& action, const ViewWindow& view = {}, const Drawing* checked = nullptr);

// Brings the surface's objects in line with `document` at `view`, the view the surface shows
// already: the objects it shows in the same order stay, an entry changed in place is drawn again
// in its place, whatever follows the first difference (an undone entry, a stroke never committed)
// is removed and the rest is painted. `checked` holds the drawings of all the document's actions
// when they were just computed (a file that was opened), each let go once painted so they and the
// surface are not held in full at once; any other list is not the document's and is ignored.
void followDocument(
    Surface& surface, const BoardDocument& document, const ViewWindow& view = {}, CheckedDrawings checked = {});

// The whole board drawn again for another view: the axes, then every entry of `document`
// computed for the view by paintAction, the one road from an action to the pixels.
void drawDocumentAt(Surface& surface, const BoardDocument& document, const ViewWindow& view);

} // namespace curvana
