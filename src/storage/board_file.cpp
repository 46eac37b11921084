// The whole board file: the envelope around the actions, and saving and opening it safely.
#include "storage/board_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "storage/board_codec.h"
#include "storage/board_file_messages.h"

namespace curvana {

namespace {

using namespace board_messages;

constexpr const char* kFormatName = "curvana-board";
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

qint64 lineAt(const QByteArray& bytes, qint64 offset)
{
    const qint64 end = std::clamp<qint64>(offset, 0, bytes.size());
    return 1 + QByteArrayView(bytes).first(end).count('\n');
}

// A parse error in something that never looked like a board file says so, rather than "damaged".
QString parseFailure(const QByteArray& bytes, const QJsonParseError& error)
{
    const QByteArray start = bytes.trimmed();
    if (!start.startsWith('{'))
        return notBoardFile();
    return damagedAt(lineAt(bytes, error.offset));
}

// The version, or the message; any version from 1 up to this program's is read.
std::optional<QString> versionProblem(const QJsonValue& value)
{
    const double version = value.toDouble(0);
    if (!value.isDouble() || version != std::trunc(version) || version < 1)
        return badVersion();
    if (version > kBoardFormatVersion)
        return newerVersion(version > 1e15 ? qint64(1e15) : static_cast<qint64>(version));
    return std::nullopt;
}

// Counted before any curve is computed, so too many are refused at once.
std::size_t actionsOfType(const QJsonArray& array, const char* type)
{
    return static_cast<std::size_t>(std::count_if(array.begin(), array.end(), [type](const QJsonValue& action) {
        return action.toObject().value(QLatin1StringView("type")) == QLatin1StringView(type);
    }));
}

BoardReadResult decodeActions(const QJsonArray& array)
{
    if (static_cast<std::size_t>(array.size()) > kMaxBoardActions)
        return tooManyActions();
    if (actionsOfType(array, "curve") > kMaxBoardCurves)
        return tooManyCurves();
    if (actionsOfType(array, "formula") > kMaxBoardFormulas)
        return tooManyFormulas();
    std::vector<BoardAction> actions;
    actions.reserve(static_cast<std::size_t>(array.size()));
    std::size_t strokePoints = 0;
    for (qsizetype i = 0; i < array.size(); ++i) {
        try {
            if (!array[i].isObject())
                throw ActionProblem{{}, fieldWrong("actions", kObject)};
            actions.push_back(decodeAction(array[i].toObject(), strokePoints));
        } catch (const ActionProblem& problem) {
            return inAction(i + 1, problem.title, problem.message);
        } catch (const FileProblem& problem) {
            return problem.message;
        }
    }
    return actions;
}

bool withinLimits(const std::vector<BoardAction>& actions)
{
    std::size_t points = 0;
    std::size_t curves = 0;
    std::size_t formulas = 0;
    for (const BoardAction& action : actions) {
        curves += std::holds_alternative<CurveAction>(action);
        formulas += std::holds_alternative<FormulaAction>(action);
        if (const auto* stroke = std::get_if<StrokeAction>(&action))
            for (const StrokeRun& run : stroke->runs)
                points += run.points.size();
    }
    return actions.size() <= kMaxBoardActions && curves <= kMaxBoardCurves && formulas <= kMaxBoardFormulas &&
           points <= kMaxStrokePoints;
}

// The reason for a failed open, read or write, from errno just after it, in the user's words.
QString failureReason(int error, const QFileDevice& file, const QString& path)
{
    // Some file systems (/proc, /sys) answer "no such file" for a folder that is there but takes
    // no new files.
    if (error == ENOENT && QFileInfo(path).absoluteDir().exists())
        return reasonNoPermission();
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return reasonNoPermission();
    case ENOENT: return reasonNoFolder();
    case ENOTDIR: return reasonNotAFolder();
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return reasonWriteFailed();
    default: return file.errorString();
    }
}

} // namespace

QByteArray encodeBoard(const std::vector<BoardAction>& actions)
{
    QByteArray out = QByteArray("{\n    \"format\": \"") + kFormatName + "\",\n    \"version\": " +
                     QByteArray::number(kBoardFormatVersion) + ",\n    \"actions\": [";
    for (std::size_t i = 0; i < actions.size(); ++i)
        out += (i ? ",\n        " : "\n        ") + encodeAction(actions[i]);
    out += actions.empty() ? "]\n}\n" : "\n    ]\n}\n";
    return out;
}

BoardReadResult decodeBoard(const QByteArray& bytes)
{
    if (bytes.size() > kMaxBoardFileBytes)
        return fileTooLarge();
    // Some editors start a UTF-8 file with a byte order mark; JSON does not allow one.
    const QByteArray text = bytes.startsWith(kUtf8Bom) ? bytes.mid(3) : bytes;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return parseFailure(text, error);
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QLatin1StringView("format")) != QLatin1StringView(kFormatName))
        return notBoardFile();
    if (const auto problem = versionProblem(top.value(QLatin1StringView("version"))))
        return *problem;
    const QJsonValue actions = top.value(QLatin1StringView("actions"));
    if (!actions.isArray())
        return topFieldWrong("actions", kArray);
    return decodeActions(actions.toArray());
}

std::optional<QString> writeBoardFile(const QString& path, const std::vector<BoardAction>& actions)
{
    const QByteArray bytes = withinLimits(actions) ? encodeBoard(actions) : QByteArray();
    if (bytes.isEmpty() || bytes.size() > kMaxBoardFileBytes)
        return cannotSave(path, reasonBoardTooLarge());
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(path, failureReason(errno, file, path));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return cannotSave(path, failureReason(error, file, path));
    }
    errno = 0;
    if (!file.commit())
        return cannotSave(path, failureReason(errno, file, path));
    return std::nullopt;
}

BoardReadResult readBoardFile(const QString& path)
{
    const QFileInfo info(path);
    // Only a plain file: a folder has nothing to read and a pipe or device might never end.
    if (!info.exists())
        return cannotOpen(path, reasonNoFile());
    if (!info.isFile())
        return cannotOpen(path, reasonNotAFile());
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, failureReason(errno, file, path));
    if (file.size() > kMaxBoardFileBytes)
        return fileTooLarge();
    errno = 0;
    const QByteArray bytes = file.read(kMaxBoardFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return cannotOpen(path, failureReason(errno, file, path));
    return decodeBoard(bytes);
}

QString recoveryFilePath()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules ignore a relative path.
    if (stateHome.isEmpty() || QDir::isRelativePath(stateHome))
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/curvana/recovery.curvana");
}

std::optional<QString> writeRecoveryFile(const std::vector<BoardAction>& actions)
{
    const QString path = recoveryFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return cannotSave(path, reasonCannotCreateFolder());
    return writeBoardFile(path, actions);
}

} // namespace curvana
