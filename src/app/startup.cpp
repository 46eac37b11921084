#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "board/board_window.h"
#include "canvas/surface_font.h"
#include "figures/figure_menu.h"
#include "plotters/plotter_menu.h"

// The resources live in a static library, so they are registered by hand (outside any namespace).
static void registerResources() { Q_INIT_RESOURCE(curvana); }

namespace curvana {

void prepareApplication(QApplication& app)
{
    registerResources();
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), dir))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
    // Under a C locale fontconfig may pick Japanese glyph shapes unless the family is named.
    QFont font(uiFontFamily());
    font.setPointSize(9);
    QApplication::setFont(font);
    app.setApplicationName(QStringLiteral("Curvana"));
    app.setDesktopFileName(QStringLiteral("curvana"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/curvana.svg")));
}

BoardWindow* createBoard(DesktopServices& services)
{
    auto* board = new BoardWindow(services);
    board->setAttribute(Qt::WA_DeleteOnClose);
    board->addWindowEntries("fd5", plotterMenuEntries());
    board->addWindowEntries("mm", figureMenuEntries());
    return board;
}

} // namespace curvana
