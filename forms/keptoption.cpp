#include "keptoption.h"
#include "mdlini.h"

int KeptOption(const QStringList& sections, const QString& key)
{
    for (int i = int(sections.size()) - 1; i >= 0; --i) {
        if (mdlINI::ReadIni(sections[i], key).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
