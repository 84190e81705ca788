#include "curltransfer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QUrl>
#include <algorithm>
#include <curl/curl.h>

static_assert(CURL_ERROR_SIZE <= 256, "error buffer too small");

namespace {
constexpr int defaultStep = 500;
constexpr int defaultLooks = 120;
// While pausing, libcurl is driven in short slices so the window stays responsive.
constexpr int sliceMs = 10;

struct Steps {
    int step = defaultStep;
    int looks = defaultLooks;
};

Steps& steps()
{
    static Steps s;
    return s;
}

void initialiseOnce()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
}
}

int NetworkWait::step() { return steps().step; }
int NetworkWait::looks() { return steps().looks; }
void NetworkWait::setStep(int ms) { steps().step = ms; }
void NetworkWait::setLooks(int looks) { steps().looks = looks; }
void NetworkWait::restoreDefaults() { steps() = {}; }

CurlTransfer::CurlTransfer()
{
    initialiseOnce();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    reset();
}

CurlTransfer::~CurlTransfer()
{
    curl_easy_cleanup(m_easy);
    curl_multi_cleanup(m_multi);
}

void CurlTransfer::reset()
{
    curl_easy_reset(m_easy);
    m_url.clear();
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorBuffer);
}

void CurlTransfer::setUrl(const QUrl& url)
{
    m_url = url.isValid() && !url.host().isEmpty() ? url.toEncoded() : QByteArray();
    curl_easy_setopt(m_easy, CURLOPT_URL, m_url.isEmpty() ? nullptr : m_url.constData());
}

bool CurlTransfer::run(int maxLooks, const std::function<void()>& onPause)
{
    m_errorBuffer[0] = '\0';
    if (m_url.isEmpty()) {
        m_done = true;
        m_result = CURLE_URL_MALFORMAT;
        return true;
    }
    m_done = false;
    m_result = CURLE_OK;
    curl_multi_add_handle(m_multi, m_easy);
    for (int look = 0; !drive(0) && (maxLooks == 0 || look < maxLooks); ++look) {
        const QDeadlineTimer pause(NetworkWait::step());
        while (!m_done && !pause.hasExpired()) {
            drive(int(std::min<qint64>(pause.remainingTime(), sliceMs)));
            if (onPause)
                onPause();
            QCoreApplication::processEvents();
        }
    }
    // Leaving the multi handle ends a transfer that is still running.
    curl_multi_remove_handle(m_multi, m_easy);
    return m_done;
}

bool CurlTransfer::drive(int waitMs)
{
    if (m_done)
        return true;
    if (waitMs > 0)
        curl_multi_poll(m_multi, nullptr, 0, waitMs, nullptr);
    int running = 0;
    curl_multi_perform(m_multi, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
            m_done = true;
            m_result = message->data.result;
        }
    }
    return m_done;
}

QString CurlTransfer::errorText() const
{
    if (m_errorBuffer[0] != '\0')
        return QString::fromLocal8Bit(m_errorBuffer);
    return QString::fromLocal8Bit(curl_easy_strerror(CURLcode(m_result)));
}
