#pragma once
// The few things the windows ask of the desktop: message boxes, file dialogs, opening a page in
// the browser, starting a paint program and ending the program. The program makes one
// SystemDesktopServices and hands it to its windows; tests hand them a double instead.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace curvana {

struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Shows a message box and returns the button pressed. For a parent that was shown and is
    // closed now (or whose owner window is) nothing is shown and NoButton is returned.
    QMessageBox::StandardButton showMessage(QWidget* parent, const MessageRequest& request);

    // Asks for the name of a file to write; empty when the user cancels. The dialog opens on
    // `suggested` in the folder last saved into through these services, or at first in the
    // user's pictures folder (home when there is none). `filter` lists the offered types
    // separated by ";;"; the chosen one goes to `selectedFilter`.
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
        QString* selectedFilter = nullptr);

    // Asks for the name of an existing file to read; empty when the user cancels.
    virtual QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        = 0;
    // Opens a web address or a local file in the default browser; what cannot be opened shows
    // the browser error.
    virtual void openPage(QWidget* parent, const QString& address) = 0;
    // Starts a paint program; a Chinese message when none starts.
    virtual void startPaintProgram(QWidget* parent) = 0;
    // Ends the whole program at once, closing every window without asking.
    virtual void endProgram() = 0;

protected:
    // The message box itself, for a parent that may still ask.
    virtual QMessageBox::StandardButton presentMessage(QWidget* parent, const MessageRequest& request) = 0;
    // The save dialog itself, opened on the full path `start`.
    virtual QString askSaveFileName(
        QWidget* parent, const QString& title, const QString& start, const QString& filter, QString* selectedFilter)
        = 0;

private:
    // The folder the last file was saved into; empty before the first save.
    QString m_lastSaveFolder;
};

// The desktop as it is: Qt's message boxes and file dialogs, a page launcher, the paint programs
// found on the PATH.
class SystemDesktopServices : public DesktopServices {
public:
    // `pageLauncher` is the program that opens pages; `paintPrograms` are looked for in order.
    explicit SystemDesktopServices(
        QString pageLauncher = QStringLiteral("xdg-open"), QStringList paintPrograms = defaultPaintPrograms());

    static QStringList defaultPaintPrograms();

    QString chooseOpenFile(
        QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    // A missing local file, a launcher that cannot start or one that ends with an error shows the
    // browser error; the launcher runs asynchronously so its real outcome is seen.
    void openPage(QWidget* parent, const QString& address) override;
    // Starts the first paint program found, detached.
    void startPaintProgram(QWidget* parent) override;
    void endProgram() override;

protected:
    QMessageBox::StandardButton presentMessage(QWidget* parent, const MessageRequest& request) override;
    QString askSaveFileName(QWidget* parent, const QString& title, const QString& start, const QString& filter,
        QString* selectedFilter) override;

private:
    void showBrowserError(QWidget* parent);

    QString m_pageLauncher;
    QStringList m_paintPrograms;
    // Launchers still running report to these services only while they exist.
    QObject m_launchReports;
};

// A help page shipped with the program, found beside the build tree or under the install prefix;
// an empty string when it is not there.
QString helpPagePath(const QString& fileName);
// The same, for a program installed in `programDir`.
QString helpPagePathFrom(const QString& programDir, const QString& fileName);

} // namespace curvana
