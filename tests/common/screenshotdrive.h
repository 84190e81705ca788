#pragma once
#include "JieTu.h"
#include "forms.h"

#include <QLabel>
#include <QTest>

// Driving the screenshot window as the mouse does.
namespace ScreenshotDrive {
template <typename T = QWidget>
T* part(const QString& name)
{
    Teskarn::JieTu* form = Teskarn::Forms::loaded<Teskarn::JieTu>();
    return form ? form->findChild<T*>(name) : nullptr;
}

inline QRect selection() { return part(QStringLiteral("Shape1"))->geometry(); }
inline QString sizeShown() { return part<QLabel>(QStringLiteral("LblPos"))->text(); }
inline QString colourShown() { return part<QLabel>(QStringLiteral("lblInfo"))->text(); }

// The left button pressed at one point of the picture, moved to another and released there.
inline void drag(QPoint from, QPoint to)
{
    Teskarn::JieTu* form = Teskarn::Forms::loaded<Teskarn::JieTu>();
    QTest::mousePress(form, Qt::LeftButton, {}, from);
    QTest::mouseMove(form, to);
    QTest::mouseRelease(form, Qt::LeftButton, {}, to);
}

// A left click on a handle or toolbar button (Image1_6, Image2_1 …).
inline void click(const QString& name) { QTest::mouseClick(part(name), Qt::LeftButton); }
}
