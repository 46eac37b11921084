// The board file module's texts.
#include "storage/board_file_messages.h"

#include "storage/board_file_limits.h"

#include <cerrno>

namespace curvana::board_messages {

QString notBoardFile() { return QStringLiteral("这不是Curvana图板文件。"); }

QString damagedAt(qint64 line) { return QStringLiteral("文件已损坏：第%1行附近的内容无法读取。").arg(line); }

QString newerVersion(qint64 version)
{
    return QStringLiteral("这个图板文件的版本（%1）比本程序新，请升级Curvana。").arg(version);
}

QString badVersion() { return QStringLiteral("图板文件的版本号无效，应是一个正整数。"); }

QString fileTooLarge()
{
    return QStringLiteral("图板文件太大了（超过%1 MB），无法打开。").arg(kMaxBoardFileBytes / (1024 * 1024));
}

QString tooManyActions() { return QStringLiteral("图板里的动作太多了（超过%1个），无法打开。").arg(kMaxBoardActions); }

QString tooManyCurves() { return QStringLiteral("图板里的曲线太多了（超过%1条），无法打开。").arg(kMaxBoardCurves); }

QString tooManyFormulas()
{
    return QStringLiteral("图板里的自定义函数太多了（超过%1个），无法打开。").arg(kMaxBoardFormulas);
}

QString tooManyStrokePoints()
{
    return QStringLiteral("图板里手绘的点太多了（超过%1个），无法打开。").arg(kMaxStrokePoints);
}

QString tooMuchToDraw()
{
    return QStringLiteral("图板里的曲线和图形太大太多了（要画的点超过%1个），无法打开。")
        .arg(static_cast<qint64>(kMaxDrawnDots));
}

QString tooSlowToRead(qsizetype action)
{
    return QStringLiteral("图板里的曲线和自定义函数要算的太多了（算到第%1个动作时已超过%2秒），无法打开。")
        .arg(action)
        .arg(static_cast<double>(kMaxReadTime.count()) / 1000);
}

QString topFieldWrong(const char* field, const char* expected)
{
    return QStringLiteral("图板文件的“%1”应是%2。").arg(QLatin1StringView(field), QString::fromUtf8(expected));
}

QString inAction(qsizetype number, const QString& title, const QString& problem)
{
    if (title.isEmpty())
        return QStringLiteral("第%1个动作：%2").arg(number).arg(problem);
    return QStringLiteral("第%1个动作（%2）：%3").arg(number).arg(title, problem);
}

QString fieldWrong(const char* field, const char* expected)
{
    return QStringLiteral("“%1”应是%2。").arg(QLatin1StringView(field), QString::fromUtf8(expected));
}

QString unknownName(const char* field, const QString& name)
{
    return QStringLiteral("“%1”的值“%2”不认识。").arg(QLatin1StringView(field), name);
}

QString unknownOption(int option) { return QStringLiteral("这个窗口没有第%1个选项。").arg(option); }

QString wrongBoxCount(qsizetype expected, qsizetype found)
{
    return QStringLiteral("应有%1个文本框的内容，文件里有%2个。").arg(expected).arg(found);
}

QString badColour(qsizetype run, const QString& text)
{
    return QStringLiteral("第%1段的颜色“%2”不是#rrggbb形式的颜色。").arg(run).arg(text);
}

QString badPoint(qsizetype run, qsizetype point)
{
    return QStringLiteral("第%1段的第%2个点应是两个不太大的数[x, y]。").arg(run).arg(point);
}

QString cannotSave(const QString& path, const QString& reason)
{
    return QStringLiteral("无法保存图板文件“%1”：%2").arg(path, reason);
}

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("无法打开图板文件“%1”：%2").arg(path, reason);
}

QString reasonNoPermission() { return QStringLiteral("没有权限。"); }
QString reasonNoFolder() { return QStringLiteral("文件夹不存在。"); }
QString reasonNoFile() { return QStringLiteral("文件不存在。"); }
QString reasonNotAFile() { return QStringLiteral("这不是一个普通文件。"); }
QString reasonCannotCreateFolder() { return QStringLiteral("无法创建它所在的文件夹。"); }
QString reasonNotAFolder() { return QStringLiteral("路径中有一部分不是文件夹。"); }
QString reasonWriteFailed() { return QStringLiteral("写入失败，磁盘可能已满。"); }

QString reasonLinkLoop() { return QStringLiteral("路径中的符号链接形成了循环。"); }
QString reasonNameTooLong() { return QStringLiteral("文件名太长。"); }
QString reasonNameNotUtf8()
{
    return QStringLiteral("文件名中有无法识别的字符（不是UTF-8编码），请先给文件改一个名字。");
}

QString reasonSystemError(int error)
{
    switch (error) {
    case EIO:
        return QStringLiteral("读写时出错，磁盘或设备可能有问题。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正被占用。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("同时打开的文件太多。");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("设备不存在或不可用。");
    case EEXIST:
        return QStringLiteral("文件已经存在。");
    default:
        return QStringLiteral("操作系统报告了错误（错误号%1）。").arg(error);
    }
}

QString utf16File()
{
    return QStringLiteral("这个文件是UTF-16编码的；图板文件应是UTF-8编码，请在编辑器里另存为UTF-8后再打开。");
}

QString textTooLong(const char* field, qsizetype limit)
{
    return QStringLiteral("“%1”太长了（超过%2个字符）。").arg(QLatin1StringView(field)).arg(limit);
}

QString reasonBoardTooLarge()
{
    return QStringLiteral("图板的内容太多（动作超过%1个、曲线超过%2条、自定义函数超过%3个、手绘的点超过%4个、"
                          "要画的点超过%6个或文件超过%5 MB）。")
        .arg(kMaxBoardActions)
        .arg(kMaxBoardCurves)
        .arg(kMaxBoardFormulas)
        .arg(kMaxStrokePoints)
        .arg(kMaxBoardFileBytes / (1024 * 1024))
        .arg(static_cast<qint64>(kMaxDrawnDots));
}

} // namespace curvana::board_messages
