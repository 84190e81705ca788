#include "rightflags.h"

#include <QStringList>

namespace {
struct RightItems {
    RightChange::Property property;
    QStringList items; // set together by the flag
    QString separator; // hidden, never shown, when the flag is refused
};

// Right N gates the items of row N - 1.
const QList<RightItems>& rightItems()
{
    using P = RightChange::Property;
    static const QList<RightItems> rows{
        {P::Visible, {"GYSXXWH"}, {}},
        {P::Visible, {"KHXXWH", "Toolbar1_13"}, "Toolbar1_14"},
        {P::Visible, {"YWYSZ"}, {}},
        {P::Enabled, {"HPXXWH"}, {}},
        {P::Enabled, {"S61"}, {}},
        {P::Enabled, {"Toolbar1_1"}, {}},
        {P::Enabled, {"FKGL"}, {}},
        {P::Enabled, {"S23"}, {}},
        {P::Enabled, {"S24"}, {}},
        {P::Enabled, {"Toolbar1_3"}, {}},
        {P::Enabled, {"S12"}, {}},
        {P::Enabled, {"S13"}, {}},
        {P::Enabled, {"S14"}, {}},
        {P::Enabled, {"Toolbar1_5"}, {}},
        {P::Enabled, {"Toolbar1_7"}, {}},
        {P::Enabled, {"Toolbar1_9"}, {}},
        {P::Visible, {"Toolbar1_11"}, "Toolbar1_12"},
        {P::Enabled, {"S35"}, {}},
        {P::Enabled, {"S36"}, {}},
        {P::Enabled, {"S33"}, {}},
        {P::Enabled, {"S34"}, {}},
        {P::Enabled, {"CZYXXWH"}, {}},
        {P::Enabled, {"MMXG"}, {}},
        {P::Enabled, {"CZYQXSZ"}, {}},
        {P::Enabled, {"SJQL"}, {}},
    };
    return rows;
}
}

QList<RightChange> RightFlagRules::changes(const Operators::RightFlags& flags)
{
    QList<RightChange> result;
    const QList<RightItems>& rows = rightItems();
    for (int i = 0; i < rows.size() && i < int(flags.size()); ++i) {
        const std::optional<bool> on = flags[i];
        if (!on)
            continue;
        for (const QString& item : rows[i].items)
            result.append({item, rows[i].property, *on});
        if (!*on && !rows[i].separator.isEmpty())
            result.append({rows[i].separator, RightChange::Visible, false});
    }
    return result;
}
