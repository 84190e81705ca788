#include "httpget.h"
#include "curltransfer.h"

#include <QUrl>
#include <curl/curl.h>
#include <memory>

namespace {
struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct Receiving {
    HttpAnswer* answer;
    qint64 maxBody;
};

// A body past its bound is refused before it is kept: an answer that never
// ends cannot fill the memory.
size_t appendBody(char* data, size_t size, size_t count, void* target)
{
    const auto* receiving = static_cast<Receiving*>(target);
    const qsizetype length = qsizetype(size) * qsizetype(count);
    if (receiving->answer->body.size() + length > receiving->maxBody) {
        receiving->answer->overrun = true;
        return 0;
    }
    receiving->answer->body.append(data, length);
    return size * count;
}

// Each status line starts a new answer (a redirect's answer is forgotten).
size_t readHeaderLine(char* data, size_t size, size_t count, void* target)
{
    auto* answer = static_cast<HttpAnswer*>(target);
    const QByteArray line = QByteArray(data, qsizetype(size * count)).trimmed();
    if (line.startsWith("HTTP/")) {
        const QList<QByteArray> parts = line.split(' ');
        answer->status = parts.value(1).toInt();
        answer->statusText = QString::fromLatin1(line.mid(parts.value(0).size() + parts.value(1).size() + 2));
        answer->headers.clear();
        answer->body.clear();
    } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
        answer->headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    return size * count;
}
}

HttpAnswer HttpGet::fetch(const QString& url, const Headers& headers, qint64 maxBody)
{
    HttpAnswer answer;
    Receiving receiving{&answer, maxBody};
    CurlTransfer transfer;
    CURL* curl = transfer.handle();
    std::unique_ptr<curl_slist, SlistDeleter> list;
    for (const auto& [name, value] : headers)
        list.reset(curl_slist_append(list.release(), QByteArray(name + ": " + value).constData()));
    transfer.setUrl(QUrl(url));
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list.get());
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, readHeaderLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &answer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiving);
    answer.complete = transfer.run(NetworkWait::looks());
    if (answer.complete && transfer.errorCode() != CURLE_OK) {
        answer.errorCode = transfer.errorCode();
        answer.errorText = transfer.errorText();
        answer.cutShort = transfer.errorCode() == CURLE_PARTIAL_FILE;
    }
    return answer;
}
