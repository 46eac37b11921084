#include "plotters/plotter_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <algorithm>
#include <string>

#include "core/document/board_document.h"

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

std::string optionName(int number) { return "Option" + std::to_string(number); }

} // namespace

PlotterWindow::PlotterWindow(const PlotterDesign& design, BoardTarget& board, QWidget* parent)
    : DrawingWindow(board, QString::fromUtf8(curveWindowEntry(design.window).design.caption), design.clientWidth,
        design.clientHeight, design.rows, parent)
    , m_design(design)
{
    const CurveWindowEntry& entry = curveWindowEntry(design.window);
    setObjectName(QString::fromUtf8(entry.design.designName));
    for (const CurveOption& choice : entry.options) {
        QRadioButton& option = controls().requireOption(optionName(choice.number).c_str());
        fitCaption(&option);
        m_options.emplace_back(choice.number, &option);
    }
    for (QLabel* label : findChildren<QLabel*>())
        fitLabel(label);
    connect(&controls().requireButton("Command1"), &QPushButton::clicked, this, &PlotterWindow::drawCurve);
    connect(&controls().requireButton("Command2"), &QPushButton::clicked, this, &PlotterWindow::unload);
    controls().requireWidget(design.firstFocus).setFocus();
    placeAtTwips(design.screenLeft, design.screenTop);
}

int PlotterWindow::selectedOption() const
{
    for (const auto& [number, option] : m_options)
        if (option->isChecked())
            return number;
    return 0;
}

void PlotterWindow::drawCurve()
{
    const int option = selectedOption();
    if (!option)
        return;
    const CurveAction action{m_design.window, option, fieldTexts(), colourText()};
    drawOnBoard(action, checkedDrawing(action));
}

void PlotterWindow::unload() { close(); }

} // namespace curvana
