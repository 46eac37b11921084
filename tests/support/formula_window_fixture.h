#pragma once
// A board with its 自定义函数 window open and active, as the menu opens it.
#include <QApplication>
#include <gtest/gtest.h>

#include "plotters/formula_window.h"
#include "support/ui_fixture.h"

namespace curvana::testing {

struct FormulaWindowFixture : UiFixture {
    FormulaWindow* window = nullptr;

    void SetUp() override
    {
        UiFixture::SetUp();
        window = open();
        ASSERT_NE(window, nullptr);
        QApplication::setActiveWindow(window);
    }

    FormulaWindow* open()
    {
        board->action(QStringLiteral("fdFormula"))->trigger();
        return qobject_cast<FormulaWindow*>(board->windows().find(QStringLiteral("fdFormula")));
    }
};

} // namespace curvana::testing
