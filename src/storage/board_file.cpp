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
#include <sys/stat.h>

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

// A name that came from bytes that are not UTF-8 was decoded with stand-in characters; the file
// under that name is not the one the user meant, so say why rather than "not found".
std::optional<QString> nameProblem(const QString& path)
{
    if (path.contains(QChar::ReplacementCharacter))
        return reasonNameNotUtf8();
    return std::nullopt;
}

BoardReadResult decodeActions(const QJsonArray& array)
{
    if (static_cast<std::size_t>(array.size()) > kMaxBoardActions)
        return tooManyActions();
    if (actionsOfType(array, "curve") > kMaxBoardCurves)
        return tooManyCurves();
    // A table's curve is sampled as an own formula is.
    if (actionsOfType(array, "formula") + actionsOfType(array, "table") > kMaxBoardFormulas)
        return tooManyFormulas();
    std::vector<BoardAction> actions;
    actions.reserve(static_cast<std::size_t>(array.size()));
    ReplayCost cost;
    for (qsizetype i = 0; i < array.size(); ++i) {
        try {
            if (!array[i].isObject())
                throw ActionProblem{{}, fieldWrong("actions", kObject)};
            actions.push_back(decodeAction(array[i].toObject(), cost));
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
    double drawn = 0;
    for (const BoardAction& action : actions) {
        drawn += drawnDots(action);
        curves += std::holds_alternative<CurveAction>(action);
        formulas += std::holds_alternative<FormulaAction>(action) || std::holds_alternative<TableAction>(action);
        if (const auto* stroke = std::get_if<StrokeAction>(&action))
            for (const StrokeRun& run : stroke->runs)
                points += run.points.size();
    }
    return actions.size() <= kMaxBoardActions && curves <= kMaxBoardCurves && formulas <= kMaxBoardFormulas
        && points <= kMaxStrokePoints && drawn <= kMaxDrawnDots;
}

// The lines of a recovery journal after its header, each an action or an undo of the one before.
// A last line cut short by a crash mid-write is left out; anything else wrong is damage.
BoardReadResult decodeJournal(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    QJsonParseError error{};
    const QJsonObject header = QJsonDocument::fromJson(lines.front(), &error).object();
    if (const auto problem = versionProblem(header.value(QLatin1StringView("version"))))
        return *problem;
    QJsonArray actions;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QJsonDocument line = QJsonDocument::fromJson(lines[i], &error);
        const bool torn = i == lines.size() - 1;
        if (error.error != QJsonParseError::NoError || !line.isObject()) {
            if (torn)
                break;
            return damagedAt(i + 1);
        }
        if (line.object().value(QLatin1StringView("type")) != QLatin1StringView("undo"))
            actions.append(line.object());
        else if (!actions.isEmpty())
            actions.removeLast();
        else
            return damagedAt(i + 1);
    }
    return decodeActions(actions);
}

bool isJournal(const QByteArray& bytes)
{
    const QByteArray firstLine = bytes.left(bytes.indexOf('\n'));
    return firstLine.startsWith('{') && firstLine.contains(QByteArray("\"") + kJournalFormatName + '"');
}

// A file saved as UTF-16 starts with a byte order mark or has a zero byte beside every ASCII one.
bool looksLikeUtf16(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    return bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
}

} // namespace

QString failureReason(int error, const QString& path)
{
    // Some file systems (/proc, /sys) answer "no such file" for a folder that is there but takes
    // no new files.
    if (error == ENOENT && QFileInfo(path).absoluteDir().exists())
        return reasonNoPermission();
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return reasonNoPermission();
    case ENOENT:
        return reasonNoFolder();
    case ENOTDIR:
        return reasonNotAFolder();
    case EISDIR:
        return reasonNotAFile();
    case ELOOP:
        return reasonLinkLoop();
    case ENAMETOOLONG:
        return reasonNameTooLong();
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case 0:
        return reasonWriteFailed(); // a short write that set no error: the disk took no more
    default:
        return reasonSystemError(error);
    }
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failureReason(errno, path);
    // commit() renames the new file over the old one even when its data never reached the disk
    // (Qt 6.4): a full disk would leave a cut or empty file. So every byte must be written out,
    // and the file hold all of them, before it may replace the old one.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    if (!written) {
        const int error = errno;
        file.cancelWriting();
        return failureReason(error, path);
    }
    errno = 0;
    if (!file.commit())
        return failureReason(errno, path);
    return std::nullopt;
}

QByteArray encodeBoard(const std::vector<BoardAction>& actions)
{
    QByteArray out = QByteArray("{\n    \"format\": \"") + kFormatName
        + "\",\n    \"version\": " + QByteArray::number(kBoardFormatVersion) + ",\n    \"actions\": [";
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
    if (looksLikeUtf16(text))
        return utf16File();
    if (isJournal(text))
        return decodeJournal(text);
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
    if (const std::optional<QString> problem = nameProblem(path))
        return cannotSave(path, *problem);
    if (QFileInfo(path).isDir())
        return cannotSave(path, reasonNotAFile());
    const QByteArray bytes = withinLimits(actions) ? encodeBoard(actions) : QByteArray();
    if (bytes.isEmpty() || bytes.size() > kMaxBoardFileBytes)
        return cannotSave(path, reasonBoardTooLarge());
    if (const std::optional<QString> problem = replaceFile(path, bytes))
        return cannotSave(path, *problem);
    return std::nullopt;
}

BoardReadResult readBoardFile(const QString& path)
{
    if (const std::optional<QString> problem = nameProblem(path))
        return cannotOpen(path, *problem);
    // Only a plain file: a folder has nothing to read and a pipe or device might never end.
    struct stat status { };
    errno = 0;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return cannotOpen(path, errno == ENOENT ? reasonNoFile() : failureReason(errno, path));
    if (!S_ISREG(status.st_mode))
        return cannotOpen(path, reasonNotAFile());
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, failureReason(errno, path));
    if (file.size() > kMaxBoardFileBytes)
        return fileTooLarge();
    errno = 0;
    const QByteArray bytes = file.read(kMaxBoardFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return cannotOpen(path, failureReason(errno, path));
    return decodeBoard(bytes);
}

} // namespace curvana
