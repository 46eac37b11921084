#include "storage/parameter_codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace curvana {
namespace {

// More letters than a formula could use; a file with more is damaged or crafted.
constexpr qsizetype kMostParameters = 64;
constexpr qsizetype kLongestName = 8;

// The shortest text that reads back as the same double.
QByteArray exactNumber(double value) { return QByteArray::number(value, 'g', 17); }

} // namespace

QByteArray encodeParameters(const FormulaParameters& parameters)
{
    if (parameters.empty())
        return {};
    QByteArray out = R"(, "parameters": [)";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const FormulaParameter& p = parameters[i];
        const QByteArray name = QJsonDocument(QJsonArray{QString::fromStdString(p.name)})
                                    .toJson(QJsonDocument::Compact)
                                    .chopped(1)
                                    .mid(1);
        out += (i ? ", " : "") + QByteArray(R"({"name": )") + name + R"(, "value": )" + exactNumber(p.value)
            + R"(, "from": )" + exactNumber(p.from) + R"(, "to": )" + exactNumber(p.to) + R"(, "step": )"
            + exactNumber(p.step) + "}";
    }
    return out + "]";
}

DecodedParameters decodeParameters(const QJsonObject& object)
{
    DecodedParameters decoded;
    const QJsonValue value = object.value(QLatin1StringView("parameters"));
    if (value.isUndefined())
        return decoded;
    const auto wrong = [&decoded](const QString& message) {
        decoded.parameters.clear();
        decoded.problem = message;
        return decoded;
    };
    if (!value.isArray() || value.toArray().size() > kMostParameters)
        return wrong(QStringLiteral("“parameters”应是一组参数（至多%1个）。").arg(kMostParameters));
    for (const QJsonValue& item : value.toArray()) {
        const QJsonObject entry = item.toObject();
        const QString name = entry.value(QLatin1StringView("name")).toString();
        if (!item.isObject() || name.isEmpty() || name.size() > kLongestName)
            return wrong(QStringLiteral("“parameters”里的参数要有名字（“name”）。"));
        FormulaParameter parameter{name.toStdString()};
        for (auto [key, field] :
            {std::pair{"value", &FormulaParameter::value}, std::pair{"from", &FormulaParameter::from},
                std::pair{"to", &FormulaParameter::to}, std::pair{"step", &FormulaParameter::step}}) {
            const QJsonValue number = entry.value(QLatin1StringView(key));
            if (!number.isDouble() || !std::isfinite(number.toDouble()))
                return wrong(QStringLiteral("参数%1的“%2”应是一个数。").arg(name, QLatin1StringView(key)));
            parameter.*field = number.toDouble();
        }
        decoded.parameters.push_back(std::move(parameter));
    }
    return decoded;
}

} // namespace curvana
