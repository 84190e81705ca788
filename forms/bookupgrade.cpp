#include "bookupgrade.h"
#include "appstate.h"
#include "clock.h"
#include "messagebox.h"
#include "schemaupgrade.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
constexpr qint64 showAfterMs = 1000;

// The window of a long upgrade. Made on the heap without a parent, so closing
// a form cannot take it from under the upgrade; it only repaints, never runs
// events.
class UpgradeProgress {
public:
    UpgradeProgress()
        : m_started(Clock::now())
    {
    }
    ~UpgradeProgress() { delete m_window.data(); }
    UpgradeProgress(const UpgradeProgress&) = delete;
    UpgradeProgress& operator=(const UpgradeProgress&) = delete;

    void show(int step, int count)
    {
        if (m_started.msecsTo(Clock::now()) < showAfterMs)
            return;
        if (!m_window)
            create();
        if (!m_window)
            return;
        m_bar->setMaximum(count);
        m_bar->setValue(step);
        m_window->repaint();
    }

private:
    void create()
    {
        auto* window = new QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        window->setObjectName(QStringLiteral("BookUpgradeProgress"));
        window->setWindowTitle(QStringLiteral("数据库升级"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(new QLabel(QStringLiteral("正在升级数据库，请稍候……"), window));
        m_bar = new QProgressBar(window);
        layout->addWidget(m_bar);
        window->show();
        m_window = window;
    }

    QDateTime m_started;
    QPointer<QWidget> m_window;
    QProgressBar* m_bar = nullptr;
};

DbStatus upgradeSession(DbSession& session)
{
    const BooksBusy busy;
    UpgradeProgress progress;
    return SchemaUpgrade::upgrade(session, [&progress](int step, int count) { progress.show(step, count); });
}
}

DbStatus BookUpgrade::upgradeFile(const QString& path)
{
    auto session = Database::openFile(path);
    if (!session)
        return session.error();
    return upgradeSession(*session);
}

bool BookUpgrade::run(QWidget* parent)
{
    DbStatus upgraded;
    {
        auto session = Database::open();
        if (!session)
            return true;
        upgraded = upgradeSession(*session);
    }
    if (upgraded)
        return true;
    MessageBox::show(parent, SchemaUpgrade::failureText(upgraded.error()));
    return false;
}
