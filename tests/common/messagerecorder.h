#pragma once
#include "windowmessages.h"

#include <QList>
#include <QPair>

// A window procedure that keeps each message it receives with its wParam
// and answers every one with MessageRecorder::answer.
namespace MessageRecorder {
using Message = QPair<qint32, qint32>;
inline constexpr qint32 answer = 7;

inline QList<Message>& received()
{
    static QList<Message> messages;
    return messages;
}

inline qint32 procedure(WindowId, qint32 message, qint32 wParam, qint32)
{
    received().append({message, wParam});
    return answer;
}
}
