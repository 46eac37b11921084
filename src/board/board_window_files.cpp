// The board window's files: the recovery copy kept after every step, boards opened and saved,
// and the drawing exported or copied as a picture.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "board/board_export.h"
#include "board/board_files.h"
#include "board/board_window.h"
#include "board/coordinate_readout.h"
#include "board/surface_view.h"
#include "forms/desktop_services.h"
#include "storage/board_file.h"
#include "storage/recovery_files.h"

namespace curvana {

void BoardWindow::writeRecovery()
{
    const std::optional<QString> problem = m_recovery.record(recoveryFilePath(), m_document.actions());
    if (!problem || m_recoveryFailureShown)
        return;
    // The board itself is untouched; only the copy kept against a crash is missing.
    m_recoveryFailureShown = true;
    m_services.showMessage(this,
        {QStringLiteral("Curvana"),
            QStringLiteral("%1\n图板没有受影响，但程序意外结束时它无法恢复；请用“保存图板…”保存。").arg(*problem),
            QMessageBox::Warning});
}

void BoardWindow::openBoard()
{
    if (const QString path = chooseBoardToOpen(m_services, this); !path.isEmpty())
        openBoardFile(path);
}

void BoardWindow::openPreviousBoard()
{
    const QString path = lastEndedBoardPath();
    if (path.isEmpty()) {
        m_services.showMessage(this,
            {QStringLiteral("打开上次的图板"), QStringLiteral("没有找到上次的图板：以前运行的程序没有留下画过的图板。"),
                QMessageBox::Information});
        return;
    }
    if (loadBoardFile(path))
        setWindowTitle(QStringLiteral("Curvana — 上次的图板"));
}

bool BoardWindow::openBoardFile(const QString& path)
{
    if (!loadBoardFile(path))
        return false;
    setWindowTitle(boardWindowTitle(path));
    m_boardFile = path;
    return true;
}

bool BoardWindow::loadBoardFile(const QString& path)
{
    ViewWindow recordedView;
    BoardReadResult read = readBoardFile(path, ReadBudget(), &recordedView);
    if (const QString* problem = std::get_if<QString>(&read)) {
        m_services.showMessage(this, {QStringLiteral("打开图板"), *problem, QMessageBox::Warning});
        return false;
    }
    OpenedBoard& opened = std::get<OpenedBoard>(read);
    // An opened board is written to the recovery file whole.
    m_recovery.startOver();
    // The board opens in the view it was saved in (an older file in the designed view): the axes
    // for it first, then every action is drawn for it below.
    if (recordedView != m_view) {
        m_view = recordedView;
        surface().removeEverything();
        drawAxes();
    }
    // Every action becomes a new object, so the board goes back to what it was made with and
    // paints them all, each as its own step, from the drawings the file was checked with; an
    // animated view reveals them from the first.
    changeDocument(
        [&](BoardDocument& document) {
            document.replaceAll(std::move(opened.actions));
            return true;
        },
        std::move(opened.drawings));
    return true;
}

void BoardWindow::saveBoard()
{
    const QString path = chooseBoardToSave(m_services, this);
    if (path.isEmpty())
        return;
    if (const std::optional<QString> problem = writeBoardFile(path, shownActions(m_document.actions()), m_view)) {
        m_services.showMessage(this, {QStringLiteral("保存图板"), *problem, QMessageBox::Warning});
        return;
    }
    setWindowTitle(boardWindowTitle(path));
    m_boardFile = path;
    // A good moment to drop the undo lines the recovery file has gathered.
    m_recovery.startOver();
    writeRecovery();
}

void BoardWindow::saveImage()
{
    QString filter;
    const QString chosen = m_services.chooseSaveFile(this, QStringLiteral("导出图象"), exportFileName(m_boardFile),
        exportFilters().join(QStringLiteral(";;")), &filter);
    if (chosen.isEmpty())
        return;
    const ExportChoice choice = exportChoiceFor(filter, chosen);
    const QString path = withSuffix(chosen, choice.format);
    if (!exportBoard(*view(), path, choice)) {
        m_services.showMessage(this,
            {QStringLiteral("导出图象"), QStringLiteral("无法写入文件“%1”，图象没有保存。").arg(path),
                QMessageBox::Warning});
        return;
    }
    showNotice(QStringLiteral("已保存到 %1").arg(QDir::toNativeSeparators(path)));
}

void BoardWindow::copyImage()
{
    QGuiApplication::clipboard()->setImage(boardImage(*view(), 1));
    showNotice(QStringLiteral("已复制"));
}

} // namespace curvana
