#pragma once
// A board for window tests, with message boxes, program ending and file dialogs observed instead
// of blocking.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>
#include <vector>

#include "app/startup.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "forms/desktop_services.h"

namespace curvana::testing {

struct UiFixture : ::testing::Test {
    std::vector<MessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int programEnds = 0;
    QString savePath;
    QString saveFilter;     // the type the user picks in the save dialog
    QString offeredFilters; // what the save dialog offered
    QString suggestedPath;  // where the save dialog opened
    QPointer<BoardWindow> board;

    void SetUp() override
    {
        setMessageSink([this](QWidget*, const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        });
        setProgramEnder([this] { ++programEnds; });
        forgetLastSaveFolder();
        setSaveFileChooser([this](QWidget*, const QString&, const QString& suggested, const QString& offered,
                                  QString* chosen) {
            suggestedPath = suggested;
            offeredFilters = offered;
            if (chosen)
                *chosen = saveFilter;
            return savePath;
        });
        board = createBoard();
        board->show();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        if (board) {
            board->close();
            delete board.data();
        }
        QApplication::processEvents();
        setMessageSink({});
        setProgramEnder({});
        setSaveFileChooser({});
    }

    Surface& surface() { return board->surface(); }
};

} // namespace curvana::testing
