#pragma once
// Every text the board file module shows the user, in one place (docs/board-file-format.md lists
// them). Action numbers count from 1, as a person counts the actions in the file.
#include <QString>

namespace curvana::board_messages {

QString notBoardFile();
QString damagedAt(qint64 line);
QString newerVersion(qint64 version);
QString badVersion();
QString fileTooLarge();
QString tooManyActions();
QString tooManyCurves();
QString tooManyFormulas();
QString tooManyStrokePoints();
QString tooMuchToDraw();
// A top-level field of the wrong kind: "图板文件的“actions”应是数组。"
QString topFieldWrong(const char* field, const char* expected);

// Problems inside one action. `title` is the window's caption, or empty when the action's kind
// itself is unknown.
QString inAction(qsizetype number, const QString& title, const QString& problem);
QString fieldWrong(const char* field, const char* expected);
QString unknownName(const char* field, const QString& name);
QString unknownOption(int option);
QString wrongBoxCount(qsizetype expected, qsizetype found);
QString badColour(qsizetype run, const QString& text);
QString badPoint(qsizetype run, qsizetype point);

// Names of the kinds of JSON value, for fieldWrong and topFieldWrong.
inline constexpr const char* kText = "文字";
inline constexpr const char* kInteger = "整数";
inline constexpr const char* kArray = "数组";
inline constexpr const char* kObject = "对象";
inline constexpr const char* kTruth = "true或false";

// Reading and writing files.
QString cannotSave(const QString& path, const QString& reason);
QString cannotOpen(const QString& path, const QString& reason);
QString reasonNoPermission();
QString reasonNoFolder();
QString reasonNoFile();
QString reasonNotAFile();
QString reasonCannotCreateFolder();
QString reasonNotAFolder();
QString reasonWriteFailed();
QString reasonBoardTooLarge();
QString reasonLinkLoop();
QString reasonNameTooLong();
QString reasonNameNotUtf8();
// Any other error the system reports, in Chinese: the system's own text is English.
QString reasonSystemError(int error);
QString utf16File();
QString textTooLong(const char* field, qsizetype limit);

} // namespace curvana::board_messages
