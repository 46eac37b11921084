#pragma once
// Typing text into a widget as key events, one character each, the way a keyboard or an input
// method delivers it (QTest::keyClicks cannot type Chinese).
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

namespace curvana::testing {

inline void typeKeys(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

// Empties an editable combo's box and types `text` into it.
inline void typeIntoCombo(QComboBox* combo, const QString& text)
{
    combo->setFocus();
    combo->lineEdit()->clear();
    typeKeys(combo, text);
}

} // namespace curvana::testing
