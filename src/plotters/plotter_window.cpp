#include "plotters/plotter_window.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace curvana {
namespace {

// Greedy line breaking: at the last blank of a line that would overflow, or between two
// characters where a line has no blank (Chinese text).
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        if (!c.isSpace() && !line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            const qsizetype blank = line.lastIndexOf(u' ');
            const bool atBlank = blank > 0 && !line.left(blank).trimmed().isEmpty();
            lines << (atBlank ? line.left(blank) : line).trimmed();
            line = atBlank ? line.mid(blank + 1).trimmed() : QString();
        }
        if (!(line.isEmpty() && c.isSpace() && !lines.isEmpty()))
            line += c;
    }
    lines << line.trimmed();
    return lines.join(u'\n');
}

// An option button cannot wrap its caption by itself; one made tall enough for two or more lines
// gets its caption broken to the width beside its indicator.
void wrapTallOption(QRadioButton* option)
{
    const QFontMetrics metrics(option->font());
    if (option->height() < 2 * metrics.height())
        return;
    QStyleOptionButton style;
    style.initFrom(option);
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &style, option) +
                          option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &style, option);
    option->setText(wrapToWidth(option->text(), metrics, option->width() - indicator));
}

QString optionName(int number)
{
    return QStringLiteral("Option%1").arg(number);
}

} // namespace

PlotterWindow::PlotterWindow(const PlotterSpec& spec, QWidget* parent)
    : DrawingForm(QString::fromUtf8(spec.caption), spec.clientWidth, spec.clientHeight, spec.rows, parent),
      m_spec(spec)
{
    setObjectName(QString::fromUtf8(spec.name));
    for (const int number : spec.options)
        if (QRadioButton* option = controls().option(optionName(number)))
            wrapTallOption(option);
    connect(controls().button(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &PlotterWindow::Command1_Click);
    connect(controls().button(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &PlotterWindow::Command2_Click);
    if (QWidget* first = controls().widget(QString::fromUtf8(spec.firstFocus)))
        first->setFocus();
    placeAtTwips(spec.screenLeft, spec.screenTop);
}

int PlotterWindow::selectedOption()
{
    for (const int number : m_spec.options)
        if (const QRadioButton* option = controls().option(optionName(number)); option && option->isChecked())
            return number;
    return 0;
}

void PlotterWindow::Command1_Click()
{
    if (const int option = selectedOption())
        drawOnBoard(m_spec.curve(option, fieldTexts()));
}

void PlotterWindow::Command2_Click()
{
    close();
}

} // namespace curvana
