#include "startvarnholt.h"
#include "appstate.h"
#include "bookupgrade.h"
#include "databaseswap.h"
#include "frm_xtdl.h"
#include "messagebox.h"
#include "startup.h"
#include "networkrestore.h"
#include "programicon.h"

#include <QApplication>

StartupResult startVarnholt()
{
    // Before the first-start copy and the upgrade: a second copy must not
    // write the book while the first one brings it up to date.
    if (!frm_xtdl::claimInstance())
        return {false, 0};
    // Every window shows the tray's picture, not the toolkit's logo.
    QApplication::setWindowIcon(ProgramIcon());
    if (const StartupOutcome prepared = prepareVarnholt(); !prepared.goesOn()) {
        MessageBox::show(nullptr, prepared.refusal, {}, QMessageBox::Critical);
        return {false, 1};
    }
    // Only now that the lock is held: another copy's restore or compaction
    // may be using them.
    NetworkRestore::removeLeftovers(appState().appPath);
    DatabaseSwap::removeWithJournals(DatabaseSwap::workFile(appState().databasePath()));
    if (!BookUpgrade::run(nullptr))
        return {false, 1};
    if (!frm_xtdl::load())
        return {false, 0};
    return {true, 0};
}
