#pragma once
#include <QString>
#include <QTest>
#include <QWidget>

// Types a text as keystrokes; characters outside ASCII arrive as key events
// carrying their text, as an input method delivers them.
inline void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
