#include "forms/form_table.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "canvas/qt_colour.h"
#include "canvas/surface_font.h"

namespace curvana {

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void setClientTwips(QWidget* window, int width, int height)
{
    window->resize(twipsToPixels(width), twipsToPixels(height));
}

namespace {

int shiftInto(int start, int length, int availableStart, int availableLength)
{
    const int end = availableStart + availableLength;
    if (length >= availableLength || start < availableStart)
        return availableStart;
    return start + length > end ? end - length : start;
}

// The frame a window has, or before it shows (when no frame is known yet) the frame its owner has:
// the same window manager decorates both alike.
QMargins frameMargins(const QWidget* window)
{
    const QMargins own(window->geometry().left() - window->frameGeometry().left(),
        window->geometry().top() - window->frameGeometry().top(),
        window->frameGeometry().right() - window->geometry().right(),
        window->frameGeometry().bottom() - window->geometry().bottom());
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!own.isNull() || !owner || !owner->isVisible())
        return own;
    return frameMargins(owner);
}

// Where the frames of the other open windows of the same owner start.
std::vector<QPoint> openWindowCorners(const QWidget* window)
{
    std::vector<QPoint> corners;
    if (const QWidget* owner = window->parentWidget())
        for (const QWidget* other : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != window && other->isWindow() && other->isVisible())
                corners.push_back(other->frameGeometry().topLeft());
    return corners;
}

// Moves a window by the least that keeps its frame on the screen its client area was meant for,
// and on by title bars where another open window already stands there.
void keepOnScreen(QWidget* window, const QRect& client)
{
    const QScreen* screen = QGuiApplication::screenAt(client.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QMargins margins = frameMargins(window);
    const QRect framed = client.marginsAdded(margins);
    const int step
        = margins.top() > 0 ? margins.top() : window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const QRect placed = cascadedPlace(framed, openWindowCorners(window), step, screen->availableGeometry());
    window->setGeometry(client.translated(placed.topLeft() - framed.topLeft()));
}

// The frame a window manager adds is known only once the window shows; the window is kept on the
// screen again then, once.
class FirstShowPlacer : public QObject {
public:
    static constexpr const char* kName = "firstShowPlacer";

    explicit FirstShowPlacer(QWidget* window)
        : QObject(window)
    {
        setObjectName(QString::fromLatin1(kName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && event->type() == QEvent::Show) {
            // Some window systems tell the frame only after the window maps: once more then.
            keepOnScreen(window, window->geometry());
            QTimer::singleShot(0, window, [window] { keepOnScreen(window, window->geometry()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void keepFrameOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect framed = window->geometry().marginsAdded(frameMargins(window));
    const QRect placed = placedWithin(framed, screen->availableGeometry());
    window->move(window->pos() + (placed.topLeft() - framed.topLeft()));
}

QRect placedWithin(const QRect& rect, const QRect& available)
{
    return {shiftInto(rect.left(), rect.width(), available.left(), available.width()),
        shiftInto(rect.top(), rect.height(), available.top(), available.height()), rect.width(), rect.height()};
}

QRect cascadedPlace(const QRect& designed, const std::vector<QPoint>& taken, int step, const QRect& available)
{
    step = std::max(1, step);
    const auto free = [&taken, step](const QRect& place) {
        return std::none_of(taken.begin(), taken.end(), [&](QPoint corner) {
            return std::abs(corner.x() - place.left()) < step && std::abs(corner.y() - place.top()) < step;
        });
    };
    // One more place than there are windows is always enough: each window takes at most one.
    const int tries = static_cast<int>(taken.size()) + 1;
    const QRect onScreen = placedWithin(designed, available);
    // Down and to the right first, as windows cascade; up and to the left where the screen ends.
    for (const int direction : {1, -1}) {
        for (int k = direction > 0 ? 0 : 1; k <= tries; ++k) {
            const int shift = direction * k * step;
            const QRect place = placedWithin(onScreen.translated(shift, shift), available);
            if (free(place))
                return place;
        }
    }
    return onScreen;
}

void placeClientAtTwips(QWidget* window, int left, int top)
{
    // A window's geometry, unlike its pos(), excludes the frame, so this places the client area.
    keepOnScreen(window, QRect(QPoint(twipsToPixels(left), twipsToPixels(top)), window->size()));
    if (!window->findChild<QObject*>(QString::fromLatin1(FirstShowPlacer::kName), Qt::FindDirectChildrenOnly))
        new FirstShowPlacer(window);
}

namespace {

// A frame's font and colour are those of its caption only: the controls inside it keep the
// window's look, where Qt would otherwise hand the frame's on to its children.
void keepWindowLook(QWidget* w, const ControlRow* container, const QWidget* window)
{
    if (!container)
        return;
    // Marked as set in every property, or Qt would take them as unset and inherit the frame's.
    if (container->font.points > 0 || container->font.bold || container->font.underline) {
        QFont font = window->font();
        font.setResolveMask(QFont::AllPropertiesResolved);
        w->setFont(font);
    }
    if (container->colour) {
        QPalette palette = window->palette();
        palette.setResolveMask(~QPalette::ResolveMask(0));
        w->setPalette(palette);
    }
}

void applyLook(QWidget* w, const ControlRow& row)
{
    if (row.font.points > 0 || row.font.bold || row.font.underline) {
        QFont font = w->font();
        if (row.font.points > 0) {
            // The designs give their sized captions in a Song face; the other labels keep the UI font.
            font.setFamilies(songFontFamilies());
            font.setPointSizeF(row.font.points);
        }
        font.setBold(row.font.bold);
        font.setUnderline(row.font.underline);
        w->setFont(font);
    }
    if (row.colour) {
        QPalette palette = w->palette();
        const QColor colour = toQColor(*row.colour);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
        w->setPalette(palette);
    }
    if (row.tooltip)
        w->setToolTip(QString::fromUtf8(row.tooltip));
    w->setFocusPolicy(row.tab < 0 ? Qt::NoFocus : w->focusPolicy());
}

// Wrapped captions were laid out for a tighter line than this font's own, so a caption that
// needs more than one line is drawn with its lines closer together to fit the label's height.
void tightenWrappedLines(QLabel* label)
{
    const QString text = label->text();
    if (!label->wordWrap() || QFontMetrics(label->font()).horizontalAdvance(text) <= label->width())
        return;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<div style=\"line-height:80%\">%1</div>").arg(text.toHtmlEscaped()));
}

QComboBox* makeCombo(QWidget* parent, const QStringList& items, const QString& text)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a part of a name into the whole name ("擦" into "擦皮"), while
    // only an exact text chooses a colour or a mode.
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setEditText(text);
    return combo;
}

} // namespace

FormTable::FormTable(QWidget* window, std::span<const ControlRow> rows)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : rows) {
        m_rows.insert(QString::fromUtf8(row.name), row);
        m_order.push_back(row);
        QWidget* w = create(window, row);
        if (!w)
            continue;
        w->setObjectName(QString::fromUtf8(row.name));
        w->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        const auto container = row.container ? m_rows.constFind(QString::fromUtf8(row.container)) : m_rows.cend();
        keepWindowLook(w, container == m_rows.cend() ? nullptr : &*container, window);
        applyLook(w, row);
        if (auto* label = qobject_cast<QLabel*>(w))
            tightenWrappedLines(label);
        m_byName.insert(w->objectName(), w);
        // Qt ignores a tab link to a control that takes no focus (a label), which would break the chain.
        if (row.tab >= 0 && w->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tab, w);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

QWidget* FormTable::create(QWidget* window, const ControlRow& row)
{
    QWidget* parent = row.container ? widget(QString::fromUtf8(row.container)) : window;
    const QString text = QString::fromUtf8(row.text ? row.text : "");
    switch (row.kind) {
    case Ctl::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(row.height > 300);
        return label;
    }
    case Ctl::Text:
        return new QLineEdit(text, parent);
    case Ctl::ColourCombo: {
        QStringList names;
        for (std::string_view name : kColourComboItems)
            names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        return makeCombo(parent, names, text);
    }
    case Ctl::Combo:
        return makeCombo(parent, QString::fromUtf8(row.items ? row.items : "").split(u'|', Qt::SkipEmptyParts), text);
    case Ctl::Button: {
        auto* button = new QPushButton(text, parent);
        // Enter and Return on a focused button press it, as Space does; the windows are not
        // QDialogs, so no button becomes a default that Enter in a text box would press.
        button->setAutoDefault(true);
        return button;
    }
    case Ctl::Option:
        return new QRadioButton(text, parent);
    case Ctl::Frame:
        return new QGroupBox(text, parent);
    case Ctl::Custom:
        return nullptr;
    }
    return nullptr;
}

void FormTable::adopt(const QString& name, QWidget* w)
{
    const auto row = m_rows.find(name);
    if (row == m_rows.end())
        return;
    w->setObjectName(name);
    w->setGeometry(twipsRect(row->left, row->top, row->width, row->height));
    m_byName.insert(name, w);
}

template <class Control> Control& FormTable::require(const char* name) const
{
    auto* control = qobject_cast<Control*>(widget(QString::fromUtf8(name)));
    // A window whose code names a control its table lacks is broken; say so when it is built.
    if (!control)
        qFatal("Curvana: the window's table has no %s control named %s", Control::staticMetaObject.className(), name);
    return *control;
}

QLineEdit& FormTable::requireText(const char* name) const { return require<QLineEdit>(name); }
QComboBox& FormTable::requireCombo(const char* name) const { return require<QComboBox>(name); }
QPushButton& FormTable::requireButton(const char* name) const { return require<QPushButton>(name); }
QRadioButton& FormTable::requireOption(const char* name) const { return require<QRadioButton>(name); }
QWidget& FormTable::requireWidget(const char* name) const { return require<QWidget>(name); }

std::vector<const ControlRow*> FormTable::rowsOf(Ctl kind) const
{
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : m_order)
        if (row.kind == kind)
            rows.push_back(&row);
    return rows;
}

QWidget* FormTable::widget(const QString& name) const { return m_byName.value(name); }
QLineEdit* FormTable::text(const QString& name) const { return qobject_cast<QLineEdit*>(widget(name)); }
QComboBox* FormTable::combo(const QString& name) const { return qobject_cast<QComboBox*>(widget(name)); }
QPushButton* FormTable::button(const QString& name) const { return qobject_cast<QPushButton*>(widget(name)); }
QRadioButton* FormTable::option(const QString& name) const { return qobject_cast<QRadioButton*>(widget(name)); }
QLabel* FormTable::label(const QString& name) const { return qobject_cast<QLabel*>(widget(name)); }

} // namespace curvana
