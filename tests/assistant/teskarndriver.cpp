#include "teskarndriver.h"
#include "TuoPan.h"
#include "commandqueue.h"
#include "configvalue.h"
#include "fixture.h"
#include "forms.h"
#include "search.h"
#include "startteskarn.h"
#include "teskarnstate.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

using Teskarn::search;
using Teskarn::TuoPan;
namespace Forms = Teskarn::Forms;

namespace TeskarnDriver {
void storeShutdown(const QString& hour, const QString& minute, const QString& daily)
{
    Teskarn::WriteConfigValue(QStringLiteral("shi"), QStringLiteral("name"), hour);
    Teskarn::WriteConfigValue(QStringLiteral("fen"), QStringLiteral("name"), minute);
    if (!daily.isNull())
        Teskarn::WriteConfigValue(QStringLiteral("sel"), QStringLiteral("name"), daily);
}

QAction* menuEntry(const QString& name)
{
    search* bar = Forms::loaded<search>();
    TuoPan* form = Forms::loaded<TuoPan>();
    if (!bar || !form)
        return nullptr;
    QCursor::setPos(bar->geometry().center());
    // A whole click, so no button stays held for the events that follow.
    QLabel* grip = bar->findChild<QLabel*>(QStringLiteral("PictureM"));
    QTest::mousePress(grip, Qt::RightButton);
    QTest::mouseRelease(grip, Qt::RightButton);
    QMenu* menu = form->TP();
    return menu->isVisible() ? menu->findChild<QAction*>(name) : nullptr;
}

bool offered(const QString& name)
{
    QAction* entry = menuEntry(name);
    if (TuoPan* form = Forms::loaded<TuoPan>())
        form->TP()->hide();
    return entry && entry->isVisible() && entry->isEnabled();
}

bool armedShown() { return offered(QStringLiteral("QXGJ")) && !offered(QStringLiteral("GJ")); }
bool disarmedShown() { return offered(QStringLiteral("GJ")) && !offered(QStringLiteral("QXGJ")); }

bool chooseFromMenu(const QString& name)
{
    QAction* entry = menuEntry(name);
    if (!entry || !entry->isVisible())
        return false;
    QMenu* menu = Forms::loaded<TuoPan>()->TP();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    return true;
}

bool restart()
{
    if (!chooseFromMenu(QStringLiteral("TC")))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Teskarn::State::instance().reset();
    // A new process: a command of the old one may still run, unheard.
    CommandQueue::reset();
    return Teskarn::start().runEventLoop;
}

QStringList commandsRun()
{
    QStringList commands;
    for (const CommandRunner::Request& request : CommandRunner::recorded())
        commands << (QStringList{request.program} + request.arguments).join(QLatin1Char(' '));
    return commands;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime today(int hour, int minute) { return QDateTime(VarnholtTestCase::defaultNow().date(), QTime(hour, minute)); }

CommandResult pendingShutdown(const QString& kind, const QDateTime& moment)
{
    const qint64 micro = moment.isValid() ? moment.toMSecsSinceEpoch() * 1000 : 0;
    return {true, 0, QStringLiteral("(st) \"%1\" %2\n").arg(kind).arg(micro), {}};
}
}
