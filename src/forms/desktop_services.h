#pragma once
// The few things the windows ask of the desktop: message boxes, opening a page in the browser,
// starting a paint program and ending the program. Each goes through a seam tests can replace.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace curvana {

struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows a message box and returns the button pressed. For a parent that was shown and is closed
// now (or whose owner window is) nothing is shown and NoButton is returned.
using MessageSink = std::function<QMessageBox::StandardButton(QWidget* parent, const MessageRequest&)>;
void setMessageSink(MessageSink sink); // an empty sink restores the real message boxes
QMessageBox::StandardButton showMessage(QWidget* parent, const MessageRequest& request);

// "调用浏览器错误！" titled "错误：" with the error icon.
void showBrowserError(QWidget* parent);

// Opens a web address or a local file in the default browser. A missing local file, a launcher
// that cannot start or one that ends with an error shows the browser error; the launcher runs
// asynchronously so its real outcome is seen.
void openPage(QWidget* parent, const QString& address);
// The program that opens pages; tests point it at a stand-in.
void setPageLauncher(const QString& program);

// A help page shipped with the program, found beside the build tree or under the install prefix;
// an empty string when it is not there.
QString helpPagePath(const QString& fileName);
// The same, for a program installed in `programDir`.
QString helpPagePathFrom(const QString& programDir, const QString& fileName);

// Starts the first paint program found, detached; a Chinese message when none starts.
void startPaintProgram(QWidget* parent);
// The paint programs looked for, in order; tests replace the list.
void setPaintPrograms(const QStringList& programs);

// Asks for the name of a file to write; empty when the user cancels. Tests replace the dialog.
// The dialog opens on `suggested` in the folder last saved into during this run, or at first in
// the user's pictures folder (home when there is none). `filter` lists the offered types separated by ";;"; the chosen one goes to `selectedFilter`.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                                              const QString& filter, QString* selectedFilter)>;
void setSaveFileChooser(SaveFileChooser chooser); // an empty chooser restores the file dialog
QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                       QString* selectedFilter = nullptr);
// The next save dialog opens in the pictures folder again, as at the start of a run.
void forgetLastSaveFolder();

// Asks for the name of an existing file to read; empty when the user cancels. Tests replace the
// dialog.
using OpenFileChooser = std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                                              const QString& filter)>;
void setOpenFileChooser(OpenFileChooser chooser); // an empty chooser restores the file dialog
QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// Ends the whole program at once, closing every window without asking.
void endProgram();
void setProgramEnder(std::function<void()> ender);

} // namespace curvana
