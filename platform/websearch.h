#pragma once
#include <QString>

// The web and shop searches of the shop program's search box and the
// assistant's search bar.
namespace WebSearch {
enum class Engine { Baidu, Taobao, JD, Amazon };

// The address that searches the engine for the text. An empty text gives the
// engine's home page (Taobao: its search page with an empty query; JD: the
// home page with the "&enc=utf-8" suffix). Blanks become "+" ("%20" for JD);
// every other character that is not plain is percent-encoded as UTF-8.
QString address(Engine engine, const QString& text);

// Opens that address in the default browser.
bool open(Engine engine, const QString& text);
}
