#pragma once
// The rows of the own-formula window that set its parameters: for each letter its name, a slider,
// its value, "从", "到", "步长" and "▶" to play it. The rows hold the numbers; the window decides
// what they draw. A hand's change is reported as it happens (valuesChanged) and once more when the
// gesture is over (gestureEnded): the slider let go, Enter in a box, the keys resting, "■".
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "core/formula/parameters.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QVBoxLayout;

namespace curvana {

class ParameterRows final : public QWidget {
    Q_OBJECT
public:
    // `traceable`: the rows offer "轨迹" (a table of values has no curve that moves, so none).
    explicit ParameterRows(QWidget* parent = nullptr, bool traceable = true);
    ~ParameterRows() override;

    // Shows one row for each name, in this order. A name seen before keeps its numbers, even when
    // it was gone from the formula for a while.
    void showNames(const std::vector<std::string>& names);
    // Sets the rows to these numbers (a board opened, the window opened again).
    void setParameters(const FormulaParameters& parameters);
    // The shown rows' numbers, in order.
    FormulaParameters parameters() const;
    // A message in the row of `name` (empty: none), so a problem stands where it was made.
    void showMessage(const std::string& name, const std::string& message);
    // The controls in the order Tab visits them, row after row.
    std::vector<QWidget*> tabOrder() const;
    // Puts the rows under the window's fixed controls (`clientWidth` × `clientHeight` twips) and
    // grows the window to hold them, kept on its screen.
    void fitWindowAround(int clientWidth, int clientHeight);
    bool playing() const;
    // "轨迹": whether each move leaves the curve's earlier place on the board.
    bool tracing() const;
    QCheckBox* traceBox() const { return m_trace; }
    // The row of `name`, for tests and the window's keyboard.
    QSlider* slider(const std::string& name) const;
    QLineEdit* valueBox(const std::string& name) const;
    QPushButton* playButton(const std::string& name) const;
    QLabel* messageLabel(const std::string& name) const;

signals:
    void valuesChanged();
    void gestureEnded();
    void heightChanged();

private:
    struct Row;
    Row& rowOf(const std::string& name);
    Row* findRow(const std::string& name) const;
    void showNumbers(Row& row);
    void setValue(Row& row, double value);
    void readBoxes(Row& row);
    void sliderMoved(Row& row, int position);
    void togglePlay(Row& row);
    void stopPlaying();
    void playFrame();
    void endGesture();

    QVBoxLayout* m_layout = nullptr;
    QCheckBox* m_trace = nullptr;
    std::map<std::string, std::unique_ptr<Row>> m_rows; // every name seen, shown or not
    std::vector<std::string> m_shown;
    QTimer m_settle; // the keys or wheel resting ends their gesture
    QTimer m_play;
    QElapsedTimer m_playClock;
    Row* m_playing = nullptr;
    bool m_settingSlider = false;
    bool m_traceable = true;
};

} // namespace curvana
