#include "plotters/plotter_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <algorithm>

namespace curvana {
namespace {

// Breaks where text may break: at blanks and beside Chinese characters, inside a run of Latin
// letters only when the run is wider than the line.
QString wrapToWidth(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(u'\n');
}

// An option button cannot wrap its caption by itself; one made tall enough for two or more lines
// gets its caption broken to the width beside its indicator. A one-line button whose caption is
// wider in this font than its row allows grows to the right as far as its frame has room.
void fitCaption(QRadioButton* option)
{
    const QFontMetrics metrics(option->font());
    if (option->height() < 2 * metrics.height()) {
        const int room = option->parentWidget()->width() - option->x();
        option->resize(std::max(option->width(), std::min(option->sizeHint().width(), room)), option->height());
        return;
    }
    // What the button needs besides its text: indicator, spacing and the style's margins.
    const int besidesText = option->sizeHint().width() - metrics.size(Qt::TextShowMnemonic, option->text()).width();
    option->setText(wrapToWidth(option->text(), option->font(), option->width() - besidesText));
}

// The large label fonts ("m=", "R=") are taller in this font than their rows; a label grows
// downwards until its text shows whole.
void fitLabel(QLabel* label)
{
    const QSize needed = label->sizeHint();
    label->resize(std::max(label->width(), needed.width()), std::max(label->height(), needed.height()));
}

QString optionName(int number)
{
    return QStringLiteral("Option%1").arg(number);
}

} // namespace

PlotterWindow::PlotterWindow(const PlotterDesign& design, QWidget* parent)
    : DrawingForm(QString::fromUtf8(design.caption), design.clientWidth, design.clientHeight, design.rows, parent),
      m_design(design)
{
    setObjectName(QString::fromUtf8(design.name));
    for (const int number : design.options)
        if (QRadioButton* option = controls().option(optionName(number)))
            fitCaption(option);
    for (QLabel* label : findChildren<QLabel*>())
        fitLabel(label);
    connect(controls().button(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &PlotterWindow::Command1_Click);
    connect(controls().button(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &PlotterWindow::Command2_Click);
    if (QWidget* first = controls().widget(QString::fromUtf8(design.firstFocus)))
        first->setFocus();
    placeAtTwips(design.screenLeft, design.screenTop);
}

int PlotterWindow::selectedOption()
{
    for (const int number : m_design.options)
        if (const QRadioButton* option = controls().option(optionName(number)); option && option->isChecked())
            return number;
    return 0;
}

void PlotterWindow::Command1_Click()
{
    if (const int option = selectedOption())
        drawOnBoard(m_design.curve(option, fieldTexts()));
}

void PlotterWindow::Command2_Click()
{
    close();
}

} // namespace curvana
