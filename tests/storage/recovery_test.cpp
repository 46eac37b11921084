// The recovery journal follows the board step by step and opens as the board; each run's file is
// its own, and "打开上次的图板" finds the newest of a run that has ended.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <sys/mount.h>

#include "core/document/board_document.h"
#include "storage/board_codec.h"
#include "storage/board_file.h"
#include "storage/board_file_messages.h"
#include "storage/recovery_files.h"
#include "storage/recovery_journal.h"

namespace curvana {
namespace {

namespace msg = board_messages;

const CurveAction kParabola{CurveWindow::Elementary, 2, {"0.5", "+1", "-2"}, "红"};
const FigureAction kPoint{FigureKind::Point, {"1", "2"}, "蓝"};

StrokeAction strokeOf(std::size_t points, float y = -7.5f)
{
    return StrokeAction{{{kBlack, std::vector<StrokePoint>(points, StrokePoint{1.25f, y})}}};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

std::vector<BoardAction> opened(const QString& path)
{
    BoardReadResult read = readBoardFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        ADD_FAILURE() << message->toStdString();
        return {};
    }
    return std::get<OpenedBoard>(read).actions;
}

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", dir.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", saved); }
    QString pathOf(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QByteArray saved;
};

// Each step the board takes, and the file opened after it: the actions since the last clear.
TEST_F(RecoveryTest, TheJournalOpensAsTheBoardAfterEveryStep)
{
    const QString path = pathOf("journal.curvana");
    RecoveryJournal journal;
    std::vector<BoardAction> board;
    std::vector<BoardAction> undone;
    const auto add = [&](BoardAction action) { board.push_back(std::move(action)); };
    const auto undo = [&] {
        undone.push_back(board.back());
        board.pop_back();
    };
    const auto redo = [&] {
        board.push_back(undone.back());
        undone.pop_back();
    };
    const std::function<void()> steps[] = {
        [&] { add(kParabola); }, [&] { add(strokeOf(3)); }, [&] { undo(); }, [&] { add(kPoint); }, [&] { undo(); },
        [&] { redo(); }, [&] { add(ClearAction{}); }, [&] { add(kPoint); }, [&] { undo(); },
        [&] { undo(); }, // the clear itself
        [&] { undo(); }, [&] { undo(); }, // back to nothing
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        steps[i]();
        ASSERT_EQ(journal.record(path, board), std::nullopt);
        EXPECT_EQ(opened(path), shownActions(board));
    }
    // A whole-file write happened only at the clear and its undo: the rest were single lines.
    journal.compact(path, {kParabola, ClearAction{}, kPoint});
    EXPECT_EQ(contentsOf(path), journalHeader() + encodeAction(kPoint) + '\n');
}

TEST_F(RecoveryTest, AStepAppendsOneLineWhateverTheBoardHolds)
{
    const QString path = pathOf("journal.curvana");
    RecoveryJournal journal;
    std::vector<BoardAction> board(50, strokeOf(100));
    ASSERT_EQ(journal.record(path, board), std::nullopt);
    const qint64 before = QFileInfo(path).size();
    board.push_back(kPoint);
    ASSERT_EQ(journal.record(path, board), std::nullopt);
    EXPECT_EQ(QFileInfo(path).size() - before, encodeAction(kPoint).size() + 1);
}

// A crash mid-write leaves part of a line: the lines before it are the board.
TEST_F(RecoveryTest, ATornLastLineIsIgnoredAndDamageElsewhereIsReported)
{
    const QByteArray good = journalHeader() + encodeAction(kParabola) + "\n" + encodeAction(kPoint) + "\n";
    const QByteArray torn = encodeAction(strokeOf(4)).left(20);
    using ActionsOrMessage = std::variant<std::vector<BoardAction>, QString>;
    struct Row {
        QByteArray bytes;
        ActionsOrMessage expected;
    };
    const Row rows[] = {
        {good + torn, std::vector<BoardAction>{kParabola, kPoint}},
        {good + "{\"type\": \"undo\"}\n" + torn, std::vector<BoardAction>{kParabola}},
        {journalHeader() + torn + "\n" + encodeAction(kPoint) + "\n", msg::damagedAt(2)},
        {journalHeader() + "{\"type\": \"undo\"}\n", msg::damagedAt(2)},
    };
    for (const Row& row : rows) {
        const BoardReadResult read = decodeBoard(row.bytes);
        const auto* opened = std::get_if<OpenedBoard>(&read);
        EXPECT_EQ(opened ? ActionsOrMessage(opened->actions) : ActionsOrMessage(std::get<QString>(read)), row.expected)
            << row.bytes.toStdString();
    }
}

TEST_F(RecoveryTest, EachRunHasItsOwnLockedFile)
{
    const std::unique_ptr<QLockFile> lock = claimRecoveryFile();
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(recoveryFilePath().startsWith(dir.path() + "/curvana/recovery-"));
    QLockFile other(recoveryFilePath() + ".lock");
    EXPECT_FALSE(other.tryLock(0)) << "a second claim of the same run's file must fail";
}

// Written as another program would, newest last; `running` keeps its lock taken.
void writeRun(const QString& name, const std::vector<BoardAction>& board, qint64 secondsAgo)
{
    const QString path = recoveryFolder() + "/" + name;
    RecoveryJournal().compact(path, board);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
}

TEST_F(RecoveryTest, TheLastEndedRunIsOpenedAndNoStartDeletesAnEndedRunsBoard)
{
    writeRun("recovery-1-1.curvana", {kParabola}, 3000); // yesterday's lesson, crashed
    writeRun("recovery-2-2.curvana", {kPoint}, 2000); // the lesson that ended last
    writeRun("recovery-3-3.curvana", {kParabola, ClearAction{}}, 1000); // nothing left on it
    writeRun("recovery-4-4.curvana", {strokeOf(2)}, 10); // a program still running
    QLockFile running(recoveryFolder() + "/recovery-4-4.curvana.lock");
    ASSERT_TRUE(running.tryLock(0));
    RecoveryJournal().compact(recoveryFilePath(), {strokeOf(1)}); // this run's own

    EXPECT_EQ(lastEndedBoardPath(), recoveryFolder() + "/recovery-2-2.curvana");
    pruneEndedBoards();
    const QStringList left = QDir(recoveryFolder()).entryList({"*.curvana"}, QDir::Files, QDir::Name);
    QStringList kept{"recovery-1-1.curvana", "recovery-2-2.curvana", "recovery-4-4.curvana",
        QFileInfo(recoveryFilePath()).fileName()};
    kept.sort();
    EXPECT_EQ(left, kept) << "only the ended run with nothing on its board is gone";
    running.unlock();
    QFile::remove(recoveryFolder() + "/recovery-2-2.curvana");
    EXPECT_EQ(lastEndedBoardPath(), recoveryFolder() + "/recovery-4-4.curvana") << "its program has ended";
}

// A real full disk: a small tmpfs. Saving over a board and the recovery journal must both fail
// with the reason, and leave the last good file whole.
class FullDiskTest : public RecoveryTest {
protected:
    void SetUp() override
    {
        RecoveryTest::SetUp();
        disk = pathOf("disk");
        QDir().mkpath(disk);
        if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
        mounted = true;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount(QFile::encodeName(disk).constData());
        RecoveryTest::TearDown();
    }
    // Takes the free space of the disk, all but `spare` bytes.
    void fill(qint64 spare)
    {
        QFile filler(disk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        for (int i = 0; i < 256 && filler.write(block) == block.size(); ++i) { }
        filler.close();
        ASSERT_TRUE(filler.resize(filler.size() - spare));
    }

    QString disk;
    bool mounted = false;
};

TEST_F(FullDiskTest, ASaveThatDoesNotFitSaysWhyAndKeepsTheOldFile)
{
    const QString path = disk + "/old.curvana";
    ASSERT_EQ(writeBoardFile(path, {kParabola}), std::nullopt);
    const QByteArray before = contentsOf(path);
    fill(0);
    // Small enough to sit in the write buffer until the flush, where a full disk shows only then.
    const std::vector<BoardAction> small{strokeOf(300)};
    ASSERT_LT(encodeBoard(small).size(), 8000);
    EXPECT_EQ(writeBoardFile(path, small), msg::cannotSave(path, msg::reasonWriteFailed()));
    EXPECT_EQ(contentsOf(path), before);
    const QString fresh = disk + "/new.curvana";
    EXPECT_EQ(writeBoardFile(fresh, small), msg::cannotSave(fresh, msg::reasonWriteFailed()));
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST_F(FullDiskTest, AFailedRecoveryWriteKeepsTheLastGoodCopy)
{
    const QString path = disk + "/journal.curvana";
    RecoveryJournal journal;
    std::vector<BoardAction> board{kParabola};
    ASSERT_EQ(journal.record(path, board), std::nullopt);
    fill(100);
    board.push_back(strokeOf(500)); // a line longer than the space left
    EXPECT_EQ(journal.record(path, board), msg::cannotSave(path, msg::reasonWriteFailed()));
    EXPECT_EQ(opened(path), std::vector<BoardAction>{kParabola});
    board.push_back(ClearAction{}); // a whole-file write that cannot fit either
    board.push_back(strokeOf(500));
    EXPECT_EQ(journal.record(path, board), msg::cannotSave(path, msg::reasonWriteFailed()));
    EXPECT_EQ(opened(path), std::vector<BoardAction>{kParabola});
    QFile::remove(disk + "/filler");
    ASSERT_EQ(journal.record(path, board), std::nullopt) << "room again: the file follows the board";
    EXPECT_EQ(opened(path), std::vector<BoardAction>{strokeOf(500)});
}

} // namespace
} // namespace curvana
