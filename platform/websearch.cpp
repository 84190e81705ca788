#include "websearch.h"
#include "shellexec.h"

#include <QUrl>

namespace {
const QString baiduHost = QStringLiteral("https://www.baidu.com");
const QString taobaoSearchHost = QStringLiteral("https://s.taobao.com");
const QString jdHost = QStringLiteral("https://www.jd.com");
const QString jdSearchHost = QStringLiteral("https://search.jd.com");
const QString amazonHost = QStringLiteral("https://www.amazon.cn");

struct Site {
    QString home;   // empty: the search page also serves an empty text
    QString search; // ends with the query key
    QString blank;  // what a blank of the text becomes
    QString suffix; // after the text, and after the home page too
};

Site site(WebSearch::Engine engine)
{
    switch (engine) {
    case WebSearch::Engine::Baidu:
        return {baiduHost + QStringLiteral("/"), baiduHost + QStringLiteral("/baidu?word="), QStringLiteral("+"), {}};
    case WebSearch::Engine::Taobao:
        return {{},
                taobaoSearchHost
                    + QStringLiteral("/browse/search_auction.htm?commend=all&search_type=auction&user_action=initiative"
                                     "&f=D9_5_1&at_topsearch=1&sort=&spercent=0&q="),
                QStringLiteral("+"),
                {}};
    case WebSearch::Engine::JD:
        // The home page ends in "?" so that the suffix stays a query.
        return {jdHost + QStringLiteral("/?"), jdSearchHost + QStringLiteral("/Search?keyword="), QStringLiteral("%20"),
                QStringLiteral("&enc=utf-8")};
    case WebSearch::Engine::Amazon:
        return {amazonHost + QStringLiteral("/"),
                amazonHost + QStringLiteral("/s/ref=nb_sb_noss/?_encoding=UTF-8&search-alias=aps&field-keywords="),
                QStringLiteral("+"),
                {}};
    }
    return {};
}
}

namespace WebSearch {
QString address(Engine engine, const QString& text)
{
    const Site s = site(engine);
    if (text.isEmpty() && !s.home.isEmpty())
        return s.home + s.suffix;
    const QString query = QString::fromLatin1(QUrl::toPercentEncoding(text, " ")).replace(QLatin1Char(' '), s.blank);
    return s.search + query + s.suffix;
}

bool open(Engine engine, const QString& text) { return mdlShellExec::ShellOpen(address(engine, text)); }
}
