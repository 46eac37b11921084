// Saving and opening board files: a failed save never touches the old file, and every failure
// says which file and why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "storage/board_file.h"
#include "storage/board_file_messages.h"
#include <cerrno>

namespace curvana {
namespace {

namespace msg = board_messages;

const std::vector<BoardAction> kSmallBoard = {
    CurveAction{CurveWindow::Conic, 5, {"1", "1", "3", "2"}, "红"},
    StrokeAction{{{kBlue, {{1.5, 2.25}, {-0.5, 3}}}}},
};

StrokeAction strokeOf(std::size_t points)
{
    return StrokeAction{{{kBlack, std::vector<StrokePoint>(points, StrokePoint{1.25f, -7.5f})}}};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class BoardFileIoTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pathOf(const QString& name) const { return dir.filePath(name); }
};

TEST_F(BoardFileIoTest, SavedBoardOpensAgainAndReplacesTheOldFile)
{
    const QString path = pathOf("board.curvana");
    ASSERT_EQ(writeBoardFile(path, {ClearAction{}}), std::nullopt);
    ASSERT_EQ(writeBoardFile(path, kSmallBoard), std::nullopt);
    EXPECT_EQ(contentsOf(path), encodeBoard(kSmallBoard));
    const BoardReadResult read = readBoardFile(path);
    ASSERT_TRUE(std::holds_alternative<OpenedBoard>(read));
    EXPECT_EQ(std::get<OpenedBoard>(read).actions, kSmallBoard);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.curvana"});
}

TEST_F(BoardFileIoTest, FailedSavesSayWhyAndCreateNothing)
{
    writeRaw(pathOf("plain"), "x");
    struct Row {
        QString path;
        QString reason;
    };
    const Row rows[] = {
        {pathOf("plain/board.curvana"), msg::reasonNotAFolder()},
        {dir.path(), msg::reasonNotAFile()},
        {QFile::decodeName("/tmp/\xff\xfe.curvana"), msg::reasonNameNotUtf8()},
        {pathOf("gone/board.curvana"), msg::reasonNoFolder()},
        // No one, not even root, may create files there.
        {"/proc/curvana-board.curvana", msg::reasonNoPermission()},
    };
    for (const Row& row : rows) {
        const std::optional<QString> message = writeBoardFile(row.path, kSmallBoard);
        ASSERT_TRUE(message.has_value()) << row.path.toStdString();
        EXPECT_EQ(*message, msg::cannotSave(row.path, row.reason));
        EXPECT_FALSE(QFileInfo(row.path).isFile());
    }
}

TEST_F(BoardFileIoTest, WithoutPermissionNothingIsSavedOrOpened)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString folder = pathOf("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString path = folder + "/board.curvana";
    EXPECT_EQ(writeBoardFile(path, kSmallBoard), msg::cannotSave(path, msg::reasonNoPermission()));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_EQ(writeBoardFile(path, kSmallBoard), std::nullopt);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(std::get<QString>(readBoardFile(path)), msg::cannotOpen(path, msg::reasonNoPermission()));
}

// A disk that fills up part-way through: the old file stays as it was and no half file is left.
TEST_F(BoardFileIoTest, FullDiskLeavesTheOldFileIntact)
{
    const QString path = pathOf("board.curvana");
    ASSERT_EQ(writeBoardFile(path, kSmallBoard), std::nullopt);
    const QByteArray before = contentsOf(path);

    // Going past the file size limit fails the write like a full disk (EFBIG instead of ENOSPC).
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> message = writeBoardFile(path, {strokeOf(10000)});
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, msg::cannotSave(path, msg::reasonWriteFailed()));
    EXPECT_EQ(contentsOf(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.curvana"});
}

TEST_F(BoardFileIoTest, BoardTooBigToOpenAgainIsNotSaved)
{
    const QString path = pathOf("board.curvana");
    ASSERT_EQ(writeBoardFile(path, kSmallBoard), std::nullopt);
    const std::vector<BoardAction> tooMany(kMaxBoardActions + 1, ClearAction{});
    const std::vector<BoardAction> tooManyPoints = {strokeOf(kMaxStrokePoints / 2), strokeOf(kMaxStrokePoints / 2 + 1)};
    const std::vector<BoardAction> tooManyCurves(kMaxBoardCurves + 1, CurveAction{CurveWindow::Classic, 1, {"1"}, ""});
    const std::vector<BoardAction> tooMuchToDraw(
        800, FigureAction{FigureKind::Ellipse, {"0", "0", "1000", "1000"}, ""});
    for (const auto& board : {tooMany, tooManyPoints, tooManyCurves, tooMuchToDraw}) {
        EXPECT_EQ(writeBoardFile(path, board), msg::cannotSave(path, msg::reasonBoardTooLarge()));
        EXPECT_EQ(contentsOf(path), encodeBoard(kSmallBoard));
    }
}

TEST_F(BoardFileIoTest, FailedOpensSayWhy)
{
    QFile sparse(pathOf("huge.curvana"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxBoardFileBytes + 1));
    sparse.close();
    writeRaw(pathOf("notes.txt"), "今天的作业");
    const QString utf16 = QStringLiteral("{\"format\": \"curvana-board\"}");
    writeRaw(pathOf("utf16.curvana"), QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
    QFile::link(pathOf("loop-a"), pathOf("loop-b"));
    QFile::link(pathOf("loop-b"), pathOf("loop-a"));
    const QString notUtf8 = QFile::decodeName(QFile::encodeName(dir.path()) + "/\xff\xfe.curvana");
    struct Row {
        QString path;
        QString message;
    };
    const Row rows[] = {
        {pathOf("missing.curvana"), msg::cannotOpen(pathOf("missing.curvana"), msg::reasonNoFile())},
        {dir.path(), msg::cannotOpen(dir.path(), msg::reasonNotAFile())},
        {"/dev/zero", msg::cannotOpen("/dev/zero", msg::reasonNotAFile())},
        {pathOf("huge.curvana"), msg::fileTooLarge()},
        {pathOf("notes.txt"), msg::notBoardFile()},
        {pathOf("utf16.curvana"), msg::utf16File()},
        {pathOf("loop-a"), msg::cannotOpen(pathOf("loop-a"), msg::reasonLinkLoop())},
        {notUtf8, msg::cannotOpen(notUtf8, msg::reasonNameNotUtf8())},
        {"/proc/self/mem", msg::cannotOpen("/proc/self/mem", msg::reasonSystemError(EIO))},
    };
    for (const Row& row : rows) {
        const BoardReadResult read = readBoardFile(row.path);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << row.path.toStdString();
        EXPECT_EQ(std::get<QString>(read), row.message);
    }
}

} // namespace
} // namespace curvana
