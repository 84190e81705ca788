#pragma once
#include <QString>

// One way of filtering a list: the option button and the column its text searches.
struct FilterOption {
    QString objectName = {}; // "Option1"
    QString caption = {};    // "按拼音码"
    QString column = {};     // the searched column
    QString hint = {};       // "输入拼音码筛选"
    QString iniSection = {}; // "option9"; empty when the choice is not kept
};
