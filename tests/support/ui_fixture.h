#pragma once
// A board for window tests, on a desktop that records message boxes, program ending and file
// dialogs instead of blocking.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>
#include <vector>

#include "app/startup.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "support/recording_services.h"

namespace curvana::testing {

struct UiFixture : ::testing::Test {
    // Declared first: the board and its windows use it until they are gone.
    RecordingServices services;
    std::vector<MessageRequest>& messages = services.messages;
    QMessageBox::StandardButton& answer = services.answer;
    int& programEnds = services.programEnds;
    QString& savePath = services.savePath;
    QString& saveFilter = services.saveFilter;
    QString& offeredFilters = services.offeredFilters;
    QString& suggestedPath = services.suggestedPath;
    QPointer<BoardWindow> board;

    void SetUp() override
    {
        board = createBoard(services);
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
    }

    Surface& surface() { return board->surface(); }
};

} // namespace curvana::testing
