#pragma once
// One action as one line of JSON, and back. Each kind has its own pair of functions; a new kind
// adds a pair and a line in each dispatch.
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <cstddef>

#include "core/board_action.h"

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

QByteArray encodeAction(const BoardAction& action);

// The action, or throws ActionProblem or FileProblem. `strokePoints` counts the stroke points read
// so far in the file, so the total is capped while reading.
BoardAction decodeAction(const QJsonObject& object, std::size_t& strokePoints);

} // namespace curvana
