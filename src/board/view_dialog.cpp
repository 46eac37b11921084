#include "board/view_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "forms/desktop_services.h"

namespace curvana {
namespace {

// Single precision keeps about 7 digits: a view this share of its coordinates wide still has
// about one step of the surface's numbers to a pixel of the picture.
constexpr double kNarrowestSingleShare = 1e-4;

// A bound as the dialog offers it: to about a thousandth of its range, which tells apart
// neighbouring pixels, without trailing zeros ("-0.281", not "-0.281025084746").
QString numberText(double value, double range)
{
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(range / 1000))), 0, 15);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace

bool resolvableOnBoard(const ViewWindow& view)
{
    const double xSize = std::max({1.0, std::fabs(view.xFrom()), std::fabs(view.xTo())});
    const double ySize = std::max({1.0, std::fabs(view.yFrom()), std::fabs(view.yTo())});
    return view.width() >= kNarrowestSingleShare * xSize && view.height() >= kNarrowestSingleShare * ySize;
}

ViewDialog::ViewDialog(DesktopServices& services, QWidget* parent, const ViewWindow& current, PixelSize picture)
    : QDialog(parent)
    , m_services(services)
    , m_picture(picture)
{
    setWindowTitle(QStringLiteral("视窗"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    setObjectName(QStringLiteral("viewDialog"));
    auto* grid = new QGridLayout(this);
    const double values[4] = {current.xFrom(), current.xTo(), current.yFrom(), current.yTo()};
    const char* names[4] = {"xFrom", "xTo", "yFrom", "yTo"};
    for (int i = 0; i < 4; ++i) {
        const int row = i / 2;
        grid->addWidget(new QLabel(row == 0 ? QStringLiteral("x 从") : QStringLiteral("y 从"), this), row, 0);
        m_boxes[i] = new QLineEdit(numberText(values[i], row == 0 ? current.width() : current.height()), this);
        m_boxes[i]->setObjectName(QString::fromUtf8(names[i]));
        if (i % 2 == 1)
            grid->addWidget(new QLabel(QStringLiteral("到"), this), row, 2);
        grid->addWidget(m_boxes[i], row, i % 2 == 0 ? 1 : 3);
    }
    m_equalUnits = new QCheckBox(QStringLiteral("等比例"), this);
    m_equalUnits->setObjectName(QStringLiteral("equalUnits"));
    grid->addWidget(m_equalUnits, 2, 0, 1, 4);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    grid->addWidget(buttons, 3, 0, 1, 4);
    connect(buttons, &QDialogButtonBox::accepted, this, &ViewDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<ViewWindow> ViewDialog::readBoxes()
{
    FieldTexts texts;
    for (QLineEdit* box : m_boxes)
        texts.push_back(box->text().toStdString());
    std::variant<ViewWindow, InputProblem> read = readViewWindow(texts);
    if (const auto* view = std::get_if<ViewWindow>(&read)) {
        if (resolvableOnBoard(*view)) {
            const ViewWindow shown = m_equalUnits->isChecked() ? view->withEqualUnits(m_picture) : *view;
            if (resolvableOnBoard(shown))
                return shown;
        }
        read = InputProblem{view->width() < view->height() ? 1 : 3,
            view->width() < view->height() ? "请在“x 到”框里填写一个离“x 从”框里的数远一些的数。"
                                           : "请在“y 到”框里填写一个离“y 从”框里的数远一些的数。"};
    }
    const InputProblem& problem = std::get<InputProblem>(read);
    m_services.showMessage(
        this, {QStringLiteral("视窗"), QString::fromStdString(problem.message), QMessageBox::Warning});
    if (QLineEdit* box = problem.field >= 0 && problem.field < 4 ? m_boxes[problem.field] : nullptr) {
        box->setFocus();
        box->selectAll();
    }
    return std::nullopt;
}

void ViewDialog::confirm()
{
    m_chosen = readBoxes();
    if (m_chosen)
        accept();
}

std::optional<ViewWindow> askForViewWindow(
    DesktopServices& services, QWidget* parent, const ViewWindow& current, PixelSize picture)
{
    ViewDialog dialog(services, parent, current, picture);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace curvana
