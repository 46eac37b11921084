#pragma once
// What the benchmarks that draw on a board share: the board's picture size and the application
// that captions need for their fonts.
#include <QGuiApplication>
#include <QSize>
#include <memory>

namespace curvana::bench {

// The board's picture as the board window shows it at its designed size.
inline const QSize kBoard(413, 429);

// Captions need fonts, and fonts need an application; the benchmark binary may already have one.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "curvana_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
}

} // namespace curvana::bench
