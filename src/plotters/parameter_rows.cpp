#include "plotters/parameter_rows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/text/number.h"
#include "forms/form_table.h"

namespace curvana {
namespace {

// The slider's positions: one for each step, unless a range holds more steps than a slider can
// tell apart, when the positions are spread evenly and the value snaps to the nearest step.
constexpr int kMostSliderPositions = 100000;
// Keys or the wheel resting this long end their gesture, so holding an arrow key is one step.
constexpr int kSettleMilliseconds = 500;
// A playing parameter moves about sixty times a second.
constexpr int kPlayFrameMilliseconds = 16;
constexpr int kPageSteps = 10;

QString shown(double value)
{
    QString text = QString::fromStdString(shownNumber(value));
    return text.replace(QStringLiteral("−"), QStringLiteral("-"));
}

QLineEdit* numberBox(QWidget* parent, const char* objectName, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(objectName));
    box->setFixedWidth(width);
    return box;
}

} // namespace

struct ParameterRows::Row {
    FormulaParameter parameter;
    QWidget* widget = nullptr;
    QLabel* name = nullptr;
    QSlider* slider = nullptr;
    QLineEdit* value = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QLineEdit* step = nullptr;
    QPushButton* play = nullptr;
    QLabel* message = nullptr;
    int playDirection = 1;
    FormulaParameter playStart;

    int positions() const
    {
        const double steps = std::nearbyint((parameter.to - parameter.from) / parameter.step);
        return static_cast<int>(std::clamp(std::isfinite(steps) ? steps : 1.0, 1.0, double(kMostSliderPositions)));
    }
};

ParameterRows::ParameterRows(QWidget* parent, bool traceable)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_traceable(traceable)
{
    m_layout->setContentsMargins(0, 0, 0, 6);
    m_layout->setSpacing(2);
    m_trace = new QCheckBox(QStringLiteral("轨迹"), this);
    m_trace->setObjectName(QStringLiteral("trace"));
    m_trace->hide();
    m_layout->addWidget(m_trace);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &ParameterRows::endGesture);
    m_play.setInterval(kPlayFrameMilliseconds);
    connect(&m_play, &QTimer::timeout, this, &ParameterRows::playFrame);
}

ParameterRows::~ParameterRows() = default;

ParameterRows::Row& ParameterRows::rowOf(const std::string& name)
{
    auto& slot = m_rows[name];
    if (slot)
        return *slot;
    slot = std::make_unique<Row>();
    Row& row = *slot;
    row.parameter.name = name;
    row.widget = new QWidget(this);
    row.widget->setObjectName(QStringLiteral("parameter_") + QString::fromStdString(name));
    auto* grid = new QGridLayout(row.widget);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    row.name = new QLabel(QString::fromStdString(name), row.widget);
    row.name->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    row.slider = new QSlider(Qt::Horizontal, row.widget);
    row.slider->setObjectName(QStringLiteral("slider"));
    row.slider->setSingleStep(1);
    row.slider->setPageStep(kPageSteps);
    row.value = numberBox(row.widget, "value", 60);
    row.from = numberBox(row.widget, "from", 50);
    row.to = numberBox(row.widget, "to", 50);
    row.step = numberBox(row.widget, "step", 50);
    row.play = new QPushButton(QStringLiteral("▶"), row.widget);
    row.play->setObjectName(QStringLiteral("play"));
    row.play->setFixedWidth(32);
    row.message = new QLabel(row.widget);
    row.message->setStyleSheet(QStringLiteral("color: #c00000;"));
    row.message->setWordWrap(true);
    row.message->hide();
    grid->addWidget(row.name, 0, 0);
    grid->addWidget(row.slider, 0, 1);
    grid->addWidget(row.value, 0, 2);
    grid->addWidget(row.play, 0, 3);
    auto* range = new QHBoxLayout;
    for (auto [label, box] : {std::pair{"从", row.from}, std::pair{"到", row.to}, std::pair{"步长", row.step}}) {
        range->addWidget(new QLabel(QString::fromUtf8(label), row.widget));
        range->addWidget(box);
    }
    range->addStretch(1);
    grid->addLayout(range, 1, 1, 1, 3);
    grid->addWidget(row.message, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    Row* held = &row;
    connect(row.slider, &QSlider::valueChanged, this, [this, held](int position) { sliderMoved(*held, position); });
    connect(row.slider, &QSlider::sliderReleased, this, &ParameterRows::endGesture);
    connect(row.value, &QLineEdit::returnPressed, this, [this, held] { readBoxes(*held); });
    for (QLineEdit* box : {row.from, row.to, row.step})
        connect(box, &QLineEdit::returnPressed, this, [this, held] { readBoxes(*held); });
    connect(row.play, &QPushButton::clicked, this, [this, held] { togglePlay(*held); });
    m_layout->addWidget(row.widget);
    showNumbers(row);
    return row;
}

ParameterRows::Row* ParameterRows::findRow(const std::string& name) const
{
    const auto found = m_rows.find(name);
    return found == m_rows.end() ? nullptr : found->second.get();
}

void ParameterRows::showNames(const std::vector<std::string>& names)
{
    if (names == m_shown)
        return;
    if (m_playing && std::ranges::find(names, m_playing->parameter.name) == names.end())
        stopPlaying();
    for (const auto& [name, row] : m_rows)
        row->widget->hide();
    for (const std::string& name : names) {
        Row& row = rowOf(name);
        m_layout->removeWidget(row.widget);
        m_layout->addWidget(row.widget); // in the formula's order
        row.widget->show();
    }
    m_shown = names;
    m_trace->setVisible(m_traceable && !names.empty());
    adjustSize();
    emit heightChanged();
}

void ParameterRows::setParameters(const FormulaParameters& parameters)
{
    for (const FormulaParameter& parameter : parameters) {
        Row& row = rowOf(parameter.name);
        row.parameter = parameter;
        showNumbers(row);
    }
}

FormulaParameters ParameterRows::parameters() const
{
    FormulaParameters shownParameters;
    for (const std::string& name : m_shown)
        shownParameters.push_back(findRow(name)->parameter);
    return shownParameters;
}

void ParameterRows::showMessage(const std::string& name, const std::string& message)
{
    Row* row = findRow(name);
    if (!row || row->message->text().toStdString() == message)
        return;
    row->message->setText(QString::fromStdString(message));
    row->message->setVisible(!message.empty());
    adjustSize();
    emit heightChanged();
}

std::vector<QWidget*> ParameterRows::tabOrder() const
{
    std::vector<QWidget*> order;
    for (const std::string& name : m_shown) {
        const Row* row = findRow(name);
        order.insert(order.end(), {row->value, row->slider, row->from, row->to, row->step, row->play});
    }
    if (!order.empty() && m_traceable)
        order.push_back(m_trace);
    return order;
}

void ParameterRows::fitWindowAround(int clientWidth, int clientHeight)
{
    const int top = twipsToPixels(clientHeight);
    const int height = m_shown.empty() ? 0 : sizeHint().height(); // no margin under no rows
    setGeometry(0, top, twipsToPixels(clientWidth), height);
    window()->resize(twipsToPixels(clientWidth), top + height);
    keepFrameOnScreen(window()); // grown downwards, the window may have reached below the screen
}

bool ParameterRows::playing() const { return m_playing != nullptr; }

bool ParameterRows::tracing() const { return m_trace->isChecked(); }

QSlider* ParameterRows::slider(const std::string& name) const
{
    return findRow(name) ? findRow(name)->slider : nullptr;
}
QLineEdit* ParameterRows::valueBox(const std::string& name) const
{
    return findRow(name) ? findRow(name)->value : nullptr;
}
QPushButton* ParameterRows::playButton(const std::string& name) const
{
    return findRow(name) ? findRow(name)->play : nullptr;
}
QLabel* ParameterRows::messageLabel(const std::string& name) const
{
    return findRow(name) ? findRow(name)->message : nullptr;
}

void ParameterRows::showNumbers(Row& row)
{
    const FormulaParameter& p = row.parameter;
    row.value->setText(shown(p.value));
    row.from->setText(shown(p.from));
    row.to->setText(shown(p.to));
    row.step->setText(shown(p.step));
    if (rangeProblem(p))
        return;
    m_settingSlider = true;
    row.slider->setRange(0, row.positions());
    row.slider->setValue(static_cast<int>(std::nearbyint((p.value - p.from) / (p.to - p.from) * row.positions())));
    m_settingSlider = false;
}

void ParameterRows::setValue(Row& row, double value)
{
    row.parameter.value = value;
    row.value->setText(shown(value));
    emit valuesChanged();
}

void ParameterRows::sliderMoved(Row& row, int position)
{
    if (m_settingSlider)
        return;
    FormulaParameter moved = row.parameter;
    moved.value = moved.from + (moved.to - moved.from) * position / row.positions();
    setValue(row, steppedValue(moved, 0));
    if (!row.slider->isSliderDown())
        m_settle.start(); // a key or the wheel: the gesture ends when they rest
}

// Enter in any box of the row: all four numbers read again, a problem shown in the row.
void ParameterRows::readBoxes(Row& row)
{
    const auto read = [](const QLineEdit* box) { return parseNumber(box->text().toStdString()); };
    const auto value = read(row.value);
    const auto from = read(row.from);
    const auto to = read(row.to);
    const auto step = read(row.step);
    const std::string& name = row.parameter.name;
    if (!value || !from || !to || !step) {
        const char* which = !value ? "的值" : !from ? "的“从”" : !to ? "的“到”" : "的“步长”";
        showMessage(name, name + which + "要写一个数。");
        return;
    }
    FormulaParameter typed{name, *value, *from, *to, *step};
    if (const auto problem = rangeProblem(typed)) {
        showMessage(name, *problem);
        return;
    }
    typed.value = std::clamp(typed.value, typed.from, typed.to);
    showMessage(name, {});
    row.parameter = typed;
    showNumbers(row);
    emit valuesChanged();
    endGesture();
}

void ParameterRows::togglePlay(Row& row)
{
    const bool wasThis = m_playing == &row;
    stopPlaying();
    if (wasThis || rangeProblem(row.parameter))
        return;
    m_playing = &row;
    row.playStart = row.parameter;
    row.play->setText(QStringLiteral("■"));
    m_playClock.start();
    m_play.start();
}

void ParameterRows::stopPlaying()
{
    if (!m_playing)
        return;
    m_play.stop();
    m_playing->play->setText(QStringLiteral("▶"));
    m_playing = nullptr;
    endGesture();
}

void ParameterRows::playFrame()
{
    Row& row = *m_playing;
    const PlayPosition at = playedOn(row.playStart, row.playDirection, m_playClock.elapsed() / 1000.0);
    FormulaParameter snapped = row.parameter;
    snapped.value = at.value;
    const double value = steppedValue(snapped, 0);
    if (value == row.parameter.value)
        return;
    setValue(row, value);
    m_settingSlider = true;
    row.slider->setValue(
        static_cast<int>(std::nearbyint((value - snapped.from) / (snapped.to - snapped.from) * row.positions())));
    m_settingSlider = false;
}

void ParameterRows::endGesture()
{
    m_settle.stop();
    emit gestureEnded();
}

} // namespace curvana
