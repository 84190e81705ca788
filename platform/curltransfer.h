#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QUrl;

typedef void CURL;
typedef void CURLM;

// How long the network layer waits: it looks at a transfer, and while the
// transfer is not done it pauses one step, letting the window's events run,
// before it looks again. Tests shorten the step.
namespace NetworkWait {
int step();  // milliseconds between two looks, 500
int looks(); // the looks one block may take, 120
void setStep(int ms);
void setLooks(int looks);
void restoreDefaults();
}

// One libcurl transfer run on the user-interface thread. The handle keeps its
// connections between runs, so a session can log in once and go on.
class CurlTransfer {
public:
    CurlTransfer();
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    // The handle to set options on; reset() clears them (connections stay).
    CURL* handle() const { return m_easy; }
    void reset();
    // An address without a host fails the run before anything is sent (libcurl
    // would take the path's first part for one and look it up).
    void setUrl(const QUrl& url);

    // Runs the transfer until it ends, or gives up when it still runs after
    // maxLooks pauses (0: no limit). onPause is called while waiting. Gives
    // whether it ended.
    bool run(int maxLooks, const std::function<void()>& onPause = {});

    // After a run that ended: 0 for success, else libcurl's code and text.
    int errorCode() const { return m_result; }
    QString errorText() const;

private:
    bool drive(int waitMs);

    CURL* m_easy = nullptr;
    CURLM* m_multi = nullptr;
    QByteArray m_url;
    bool m_done = false;
    int m_result = 0;
    char m_errorBuffer[256] = {};
};
