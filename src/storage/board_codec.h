#pragma once
// One action as one line of JSON, and back. Each kind has its own pair of functions; a new kind
// adds a pair and a line in each dispatch.
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <cstddef>
#include <optional>

#include "core/document/board_action.h"
#include "core/curves/drawing.h"

namespace curvana {

// Why an action cannot be read: the caption of its window (empty when even its kind is unknown)
// and what is wrong. decodeBoard adds the action's number.
struct ActionProblem {
    QString title;
    QString message;
};
// A problem with the whole file found while reading one action, such as too many stroke points.
struct FileProblem {
    QString message;
};

// What replaying a file costs, added up while it is read so an over-long file is refused before
// the rest is computed: the stroke points, and the dots the surface sets for every curve and
// figure (a circle's whole circumference counts, on- or off-picture).
struct ReplayCost {
    std::size_t strokePoints = 0;
    double drawnDots = 0;
};
// The dots `drawing` costs the rasteriser at the board's design scale.
double drawnDots(const Drawing& drawing);
// The same for an action, computing its drawing (strokes count as stroke points, not here).
double drawnDots(const BoardAction& action);
// The points `drawing` holds in memory, 16 bytes each.
std::size_t heldPoints(const Drawing& drawing);

QByteArray encodeAction(const BoardAction& action);

// An action read from a file and the drawing it was checked with (none for a stroke or a clear).
struct CheckedAction {
    BoardAction action;
    std::optional<Drawing> drawing;
};

// The action, or throws ActionProblem or FileProblem. `cost` adds up what the file read so far
// costs to replay, so the totals are capped while reading.
CheckedAction decodeAction(const QJsonObject& object, ReplayCost& cost);

} // namespace curvana
