#pragma once
#include <QString>

class QWidget;

namespace KeyboardInput {
// Types text into a widget key by key, Chinese characters included (QTest's
// keyClicks takes Latin-1 only).
void type(QWidget* widget, const QString& text);
}
