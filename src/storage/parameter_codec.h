#pragma once
// The parameters of an own formula in a board file: an optional "parameters" key holding one
// object per letter, {"name": "a", "value": 2, "from": -5, "to": 5, "step": 0.1}. Files written
// before parameters existed have no such key; a formula without parameters writes none.
#include <QByteArray>
#include <QJsonObject>
#include <optional>

#include "core/formula/parameters.h"

namespace curvana {

// `, "parameters": [...]` to append to a formula's line, or nothing when there are none.
QByteArray encodeParameters(const FormulaParameters& parameters);

// The parameters of `object`, or the message (in Chinese) saying what is wrong with them.
struct DecodedParameters {
    FormulaParameters parameters;
    std::optional<QString> problem;
};
DecodedParameters decodeParameters(const QJsonObject& object);

} // namespace curvana
