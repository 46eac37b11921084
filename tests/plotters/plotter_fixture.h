#pragma once
// The plotters opened from a real board's menu, with helpers to fill their boxes and press "确定".
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "plotters/plotter_window.h"
#include "support/ui_fixture.h"

namespace curvana::testing {

struct PlotterFixture : UiFixture {
    PlotterWindow* open(const char* entry)
    {
        board->action(QString::fromUtf8(entry))->trigger();
        QApplication::processEvents(); // the window settles on the screen once its frame is known
        return qobject_cast<PlotterWindow*>(board->windows().find(QString::fromUtf8(entry)));
    }

    static void choose(PlotterWindow* window, int option)
    {
        window->controls().option(QStringLiteral("Option%1").arg(option))->setChecked(true);
    }

    static void type(PlotterWindow* window, const char* box, const char* text)
    {
        window->controls().text(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
    }

    static void pickColour(PlotterWindow* window, const char* text)
    {
        window->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(text));
    }

    static void press(PlotterWindow* window, const char* button = "Command1")
    {
        window->controls().button(QString::fromUtf8(button))->click();
    }

    // Deletes the windows that were closed, as the event loop would.
    static void unloadClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The colours of the dot runs added since the list held `opsBefore` entries.
    std::vector<Rgb> dotColoursSince(std::size_t opsBefore)
    {
        std::vector<Rgb> colours;
        const auto& ops = surface().ops();
        for (std::size_t i = opsBefore; i < ops.size(); ++i)
            if (ops[i].kind == OpKind::Dots)
                colours.push_back(ops[i].colour);
        return colours;
    }
};

} // namespace curvana::testing
