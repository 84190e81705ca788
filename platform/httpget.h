#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// What a server answered to one GET, as far as it got.
struct HttpAnswer {
    bool complete = false; // the answer ended (in full or by a failure)
    int errorCode = 0;     // a transfer that failed: libcurl's code and text
    QString errorText;
    bool cutShort = false; // the connection closed before the body it announced
    bool overrun = false;  // the body went past the bytes allowed, and was stopped there
    int status = 0;        // 0 until a status line arrived
    QString statusText;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
};

namespace HttpGet {
using Headers = QList<QPair<QByteArray, QByteArray>>;
// Sends a GET with the given headers and waits for the answer as long as
// NetworkWait allows one block (its looks, a step apart). The body is kept up
// to maxBody bytes; a longer one ends the transfer as overrun.
HttpAnswer fetch(const QString& url, const Headers& headers, qint64 maxBody);
}
