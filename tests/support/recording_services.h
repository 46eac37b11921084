#pragma once
// The desktop for window tests: records what the windows ask of it and answers as told, so no
// box, dialog, browser or paint program opens and the program never ends.
#include <QStringList>
#include <vector>

#include "forms/desktop_services.h"

namespace curvana::testing {

struct RecordingServices final : DesktopServices {
    std::vector<MessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok; // the button every box is closed with
    QString savePath; // what the save dialog answers; empty: cancelled
    QString saveFilter; // the type the user picks in the save dialog
    QString offeredFilters; // what the save dialog offered
    QString suggestedPath; // where the save dialog opened
    QString openPath; // what the open dialog answers
    QStringList openedPages;
    int paintProgramStarts = 0;
    int programEnds = 0;

    QString chooseOpenFile(QWidget*, const QString&, const QString&, const QString&) override { return openPath; }
    void openPage(QWidget*, const QString& address) override { openedPages.push_back(address); }
    void startPaintProgram(QWidget*) override { ++paintProgramStarts; }
    void endProgram() override { ++programEnds; }

protected:
    QMessageBox::StandardButton presentMessage(QWidget*, const MessageRequest& request) override
    {
        messages.push_back(request);
        return answer;
    }
    QString askSaveFileName(
        QWidget*, const QString&, const QString& start, const QString& filter, QString* selectedFilter) override
    {
        suggestedPath = start;
        offeredFilters = filter;
        if (selectedFilter)
            *selectedFilter = saveFilter;
        return savePath;
    }
};

} // namespace curvana::testing
