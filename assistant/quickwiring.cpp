#include "quickwiring.h"
#include "UrlF.h"
#include "UrlS.h"
#include "forms.h"
#include "search.h"

namespace Teskarn::QuickPanels {
void connectBar(search* bar)
{
    QObject::connect(bar, &search::panelRequested, bar, [](search::Panel panel) {
        if (panel == search::Panel::QuickLaunch) {
            Forms::showModeless<UrlS>();
            Forms::unload<UrlF>();
        } else {
            Forms::showModeless<UrlF>();
            Forms::unload<UrlS>();
        }
    });
    QObject::connect(bar, &search::slot8Requested, bar, [] { UrlS::picInvisible8_Click(); });
}

void refreshAtStart()
{
    Forms::refresh<UrlS>();
    Forms::refresh<UrlF>();
}
}
