// Additions to the board: saving and copying the drawing, undo and the coordinate readout.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "board/board_export.h"
#include "board/coordinate_readout.h"
#include "core/curves/curves.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

struct BoardExtras : testing::UiFixture {
    QTemporaryDir dir;

    // As "确定" in the plotter draws it: one recorded step.
    void drawCurve(int option, const FieldTexts& texts, const char* colour)
    {
        board->perform(CurveAction{CurveWindow::Elementary, option, texts, colour});
    }
    void drawParabola() { drawCurve(2, {"1", "+2", "+0"}, "红"); }
    QByteArray saved(const QString& name, const char* filter)
    {
        savePath = dir.filePath(name);
        saveFilter = QString::fromUtf8(filter);
        board->action("saveImage")->trigger();
        QFile file(savePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(BoardExtras, SavedPngsShowTheCurveAtEachSize)
{
    drawParabola();
    const QSize logical = surface().logicalSize();
    const int scales[] = {1, 2, 4};
    const char* filters[] = {"PNG 图片 (*.png)", "PNG 图片，两倍大小 (*.png)", "PNG 图片，四倍大小 (*.png)"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_FALSE(saved(QStringLiteral("board%1.png").arg(i), filters[i]).isEmpty()) << filters[i];
        const QImage image(savePath);
        ASSERT_EQ(image.size(), logical * scales[i]);
        // The vertex (-1, -1) of y = x^2 + 2x is red at every size.
        const QPoint vertex = testing::pixelAt(surface(), image.size(), -1, -1);
        EXPECT_GT(testing::countNear(image, vertex, 2 * scales[i], QColor(255, 0, 0)), 0) << filters[i];
    }
    EXPECT_TRUE(offeredFilters.contains("SVG"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(BoardExtras, SvgAndPdfHoldTheDrawingAsVectors)
{
    drawParabola();
    board->surface().drawTextAt(4, 9, "抛物线");
    const QByteArray svg = saved("board.svg", "SVG 矢量图 (*.svg)");
    ASSERT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("#ff0000")) << "the red curve";
    EXPECT_TRUE(svg.contains("#0000ff")) << "the blue axes";
    // Drawn back, the file shows every red pixel of the board's own rendering.
    QSvgRenderer renderer(svg);
    QImage back(surface().logicalSize(), QImage::Format_RGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    renderer.render(&painter);
    painter.end();
    const QImage raster = boardImage(*board->view(), 1);
    int red = 0, missing = 0;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (raster.pixelColor(x, y) == QColor(255, 0, 0)) {
                ++red;
                missing += back.pixelColor(x, y) != QColor(255, 0, 0);
            }
    EXPECT_GT(red, 200);
    EXPECT_EQ(missing, 0);
    const QByteArray pdf = saved("board", "PDF 文件 (*.pdf)");
    EXPECT_TRUE(savePath.endsWith("board")); // the suffix is added to the file written
    QFile written(dir.filePath("board.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray pdfData = written.readAll();
    EXPECT_TRUE(pdfData.startsWith("%PDF"));
    EXPECT_GT(pdfData.size(), 5000);
}

// Each run of dots is one shape, each covered pixel once: a board of curves stays a small file.
TEST_F(BoardExtras, SvgOfABoardWithCurvesIsCompact)
{
    for (const char* c : {"+0", "+2", "-3", "+5"}) {
        drawCurve(2, {"1", "+2", c}, "红");
        drawCurve(4, {"3", "1", c}, "蓝");
    }
    const QByteArray svg = saved("curves.svg", "SVG 矢量图 (*.svg)");
    ASSERT_TRUE(svg.contains("<svg"));
    EXPECT_LT(svg.size(), 1'000'000);
}

// What a saved file holds, from its first bytes.
QString formatOf(const QByteArray& data)
{
    if (data.startsWith("\x89PNG"))
        return "png";
    if (data.startsWith("%PDF"))
        return "pdf";
    return data.contains("<svg") ? "svg" : "?";
}

TEST_F(BoardExtras, ATypedSuffixDecidesTheFormatAndOtherwiseTheTypeBoxDoes)
{
    drawParabola();
    const QSize logical = surface().logicalSize();
    struct Case {
        const char* typed;
        const char* filter;
        const char* written; // the file's name
        const char* format;
        int pngScale;
    } const cases[] = {
        {"a.svg", "PNG 图片 (*.png)", "a.svg", "svg", 0},
        {"b.PDF", "PNG 图片，两倍大小 (*.png)", "b.PDF", "pdf", 0},
        {"c.Png", "SVG 矢量图 (*.svg)", "c.Png", "png", 1},
        {"d.png", "PNG 图片，四倍大小 (*.png)", "d.png", "png", 4},
        {"e", "SVG 矢量图 (*.svg)", "e.svg", "svg", 0},
        {"f.txt", "PDF 文件 (*.pdf)", "f.txt.pdf", "pdf", 0},
        {"g.drawing", "PNG 图片，两倍大小 (*.png)", "g.drawing.png", "png", 2},
    };
    for (const Case& c : cases) {
        saved(c.typed, c.filter);
        QFile file(dir.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.typed << " as " << c.filter;
        const QByteArray data = file.readAll();
        EXPECT_EQ(formatOf(data), c.format) << c.typed << " as " << c.filter;
        if (c.pngScale) {
            EXPECT_EQ(QImage::fromData(data).size(), logical * c.pngScale) << c.typed << " as " << c.filter;
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), std::size(cases)) << "no other file written";
    EXPECT_TRUE(messages.empty());
}

TEST_F(BoardExtras, TheSaveDialogOpensInThePicturesFolderThenWhereTheLastFileWent)
{
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    board->action("saveImage")->trigger(); // savePath is empty: cancelled
    EXPECT_EQ(QFileInfo(suggestedPath).absolutePath(), dir.path()) << "no pictures folder: home";
    QDir(dir.path()).mkdir("Pictures");
    board->action("saveImage")->trigger();
    EXPECT_EQ(QFileInfo(suggestedPath).absolutePath(), dir.filePath("Pictures"));
    EXPECT_TRUE(suggestedPath.endsWith(".png"));
    QDir(dir.path()).mkdir("elsewhere");
    saved("elsewhere/board.png", "PNG 图片 (*.png)");
    board->action("saveImage")->trigger();
    EXPECT_EQ(QFileInfo(suggestedPath).absolutePath(), dir.filePath("elsewhere"));
    qputenv("HOME", home);
    if (!config.isEmpty())
        qputenv("XDG_CONFIG_HOME", config);
}

TEST_F(BoardExtras, TheExportOffersTwiceTheSizeFirstNamedAfterTheBoardFile)
{
    savePath.clear();
    board->action("saveImage")->trigger();
    EXPECT_TRUE(offeredFilters.startsWith("PNG 图片，两倍大小 (*.png);;")) << offeredFilters.toStdString();
    EXPECT_EQ(QFileInfo(suggestedPath).fileName(), "图板.png") << "a board never saved";
    // A type the dialog does not report falls back on the first one offered.
    EXPECT_EQ(exportChoiceFor(QString(), "a.png").scale, 2);
    savePath = dir.filePath("二次函数第一课.curvana");
    board->action("saveBoard")->trigger();
    ASSERT_TRUE(QFile::exists(savePath));
    savePath.clear();
    board->action("saveImage")->trigger();
    EXPECT_EQ(QFileInfo(suggestedPath).fileName(), "二次函数第一课.png");
    EXPECT_EQ(exportFileName("/x/y/第 2.1 课.curvana"), "第 2.1 课.png");
}

TEST_F(BoardExtras, TheCoordinateFieldSaysBrieflyWhatASaveOrCopyDid)
{
    QLabel* readout = board->coordinateReadout();
    saved("board.svg", "SVG 矢量图 (*.svg)");
    EXPECT_EQ(readout->text(), "已保存到 " + savePath);
    QTest::mouseMove(board->view(), board->view()->contentsRect().topLeft() + QPoint(10, 10));
    EXPECT_TRUE(readout->text().startsWith("x = ")) << "a pointer move shows the coordinates again";
    saved("board", "PDF 文件 (*.pdf)");
    EXPECT_EQ(readout->text(), "已保存到 " + dir.filePath("board.pdf"));
    board->action("copyImage")->trigger();
    EXPECT_EQ(readout->text(), "已复制");
    QTest::qWait(CoordinateReadout::kNoticeMilliseconds + 200);
    EXPECT_TRUE(readout->text().isEmpty());
    savePath = "/no/such/folder/board.png";
    board->action("saveImage")->trigger();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(readout->text().isEmpty()) << "a failure is not reported as saved";
}

TEST_F(BoardExtras, AFileThatCannotBeWrittenGivesAMessageAndKeepsTheBoard)
{
    drawParabola();
    const auto ops = surface().ops().size();
    for (const char* filter : {"PNG 图片 (*.png)", "SVG 矢量图 (*.svg)", "PDF 文件 (*.pdf)"}) {
        messages.clear();
        savePath = "/no/such/folder/board";
        saveFilter = QString::fromUtf8(filter);
        board->action("saveImage")->trigger();
        ASSERT_EQ(messages.size(), 1u) << filter;
        EXPECT_TRUE(messages[0].text.contains("没有保存")) << filter;
    }
    EXPECT_EQ(surface().ops().size(), ops);
}

TEST_F(BoardExtras, CancellingTheSaveDialogWritesNothing)
{
    savePath.clear();
    board->action("saveImage")->trigger();
    EXPECT_TRUE(messages.empty());
}

TEST_F(BoardExtras, CopyPutsTheDrawingOnTheClipboard)
{
    drawParabola();
    board->action("copyImage")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), surface().logicalSize());
    EXPECT_GT(testing::countNear(copied, testing::pixelAt(surface(), copied.size(), -1, -1), 2, QColor(255, 0, 0)), 0);
}

struct ListState {
    std::size_t ops;
    std::uint64_t dots;
    std::size_t texts;
};

TEST_F(BoardExtras, UndoStepsBackThroughMixedActionsToTheStart)
{
    std::vector<ListState> states;
    const auto snapshot = [&] {
        states.push_back({surface().ops().size(), surface().dotCount(), surface().texts().size()});
    };
    snapshot();
    drawParabola();
    snapshot();
    const FieldTexts corners{"0", "0", "2", "3", "5", "5"}; // a figure: a triangle's three sides
    board->perform(FigureAction{FigureKind::Triangle, corners, ""});
    snapshot();
    QTest::mousePress(board->view(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int x = 101; x < 120; ++x)
        QTest::mouseMove(board->view(), QPoint(x, 100));
    QTest::mouseRelease(board->view(), Qt::LeftButton, {}, QPoint(120, 100));
    snapshot();
    QTest::mouseClick(board->clearButton(), Qt::LeftButton); // a clear
    snapshot();
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        board->action("undo")->trigger();
        const ListState& want = states[i - 1];
        EXPECT_EQ(surface().ops().size(), want.ops) << "after undoing step " << i;
        EXPECT_EQ(surface().dotCount(), want.dots) << "after undoing step " << i;
        EXPECT_EQ(surface().texts().size(), want.texts) << "after undoing step " << i;
    }
    board->action("undo")->trigger(); // nothing left to undo: the axes stay
    EXPECT_EQ(surface().texts().size(), 39u);
}

TEST_F(BoardExtras, UndoOfAClearBringsTheDrawingBackOnScreen)
{
    drawParabola();
    QTest::mouseClick(board->clearButton(), Qt::LeftButton);
    board->action("undo")->trigger();
    const QImage shown = board->view()->shownImage();
    EXPECT_GT(testing::countNear(shown, testing::pixelAt(surface(), shown.size(), -1, -1), 2, QColor(255, 0, 0)), 0);
}

TEST_F(BoardExtras, UndoWorksWhileARevealIsRunning)
{
    board->view()->setAnimated(true);
    drawParabola();
    ASSERT_TRUE(board->view()->revealing());
    board->action("undo")->trigger();
    QTest::qWait(100);
    const QImage shown = board->view()->shownImage();
    EXPECT_EQ(testing::countColour(shown, shown.rect(), QColor(255, 0, 0)), 0);
    EXPECT_EQ(surface().texts().size(), 39u);
}

TEST_F(BoardExtras, AClearDuringARevealDropsWhatWasStillToBeRevealed)
{
    board->view()->setAnimated(true);
    StrokeRun line{kRed, {}};
    for (int i = 0; i < 200000; ++i) // five times across the board, ten seconds of reveal
        line.points.push_back({(i / 40000) % 2 ? 9.5f - (i % 40000) * 0.000475f : -9.5f + (i % 40000) * 0.000475f, 5});
    board->perform(StrokeAction{{line}});
    QTest::qWait(60);
    const QColor red(255, 0, 0);
    const QImage before = board->view()->shownImage();
    ASSERT_GT(testing::countColour(before, before.rect(), red), 0) << "the reveal has begun";
    QTest::mouseClick(board->clearButton(), Qt::LeftButton);
    const QImage atOnce = board->view()->shownImage();
    EXPECT_EQ(testing::countColour(atOnce, atOnce.rect(), red), 0);
    EXPECT_GT(testing::countColour(atOnce, atOnce.rect(), QColor(0, 0, 255)), 100) << "the fresh axes at once";
    // Nothing is left to reveal: the reveal ends at its next step, not after the rest of the curve.
    QSignalSpy finished(board->view(), &SurfaceView::revealFinished);
    ASSERT_TRUE(finished.wait(500));
    const QImage after = board->view()->shownImage();
    EXPECT_EQ(testing::countColour(after, after.rect(), red), 0);
    EXPECT_GT(testing::countColour(after, after.rect(), QColor(0, 0, 255)), 100) << "the axes";
    board->action("undo")->trigger(); // undoing the clear brings the whole curve back
    const QImage undone = board->view()->shownImage();
    EXPECT_EQ(undone.pixelColor(testing::pixelAt(surface(), undone.size(), 9.4, 5)), red);
}

TEST_F(BoardExtras, TheReadoutFollowsThePointerAndTheSurfaceMapping)
{
    EXPECT_EQ(CoordinateReadout::textFor(QPointF(1.25, -3.5)), "x = 1.25  y = \u22123.50");
    EXPECT_EQ(CoordinateReadout::textFor(QPointF(-0.001, 0)), "x = 0.00  y = 0.00");
    for (int width : {0, 700}) {
        if (width)
            board->resize(width, board->height());
        QApplication::processEvents();
        const QRect inner = board->view()->contentsRect();
        const QPoint centre = inner.topLeft() + QPoint(inner.width() / 2, inner.height() / 2);
        QTest::mouseMove(board->view(), centre);
        const QPointF world = board->view()->worldAt(centre);
        EXPECT_NEAR(world.x(), 0, 20.0 / inner.width());
        EXPECT_NEAR(world.y(), 0, 20.0 / inner.height());
        EXPECT_EQ(board->coordinateReadout()->text(), CoordinateReadout::textFor(world));
        const QPoint rightQuarter = inner.topLeft() + QPoint(inner.width() * 3 / 4, inner.height() / 4);
        QTest::mouseMove(board->view(), rightQuarter);
        EXPECT_NEAR(board->view()->worldAt(rightQuarter).x(), 5, 0.1) << width;
        EXPECT_NEAR(board->view()->worldAt(rightQuarter).y(), 5, 0.1) << width;
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(board->view(), &leave);
    EXPECT_TRUE(board->coordinateReadout()->text().isEmpty());
}

TEST_F(BoardExtras, TheReadoutLeavesTheOriginalControlsWhereTheyWere)
{
    EXPECT_EQ(board->view()->geometry().topLeft(), QPoint(8, 24));
    EXPECT_EQ(board->penColourChoice()->geometry(), twipsRect(120, 0, 2175, 300));
    EXPECT_GE(board->coordinateReadout()->geometry().top(), board->view()->geometry().bottom());
    EXPECT_LE(board->coordinateReadout()->geometry().bottom(), board->centralWidget()->height());
}

} // namespace
} // namespace curvana
