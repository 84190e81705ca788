#pragma once
#include "testregistry.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Base of every test class. Before each test function it lays a fresh world:
// temporary HOME, XDG folders and TMPDIR, an AppPath (with Chinese and a
// blank in its name) holding a copy of the delivered database, scripted
// message boxes and file dialogs, the test clock, recording opener and runner,
// offline, an empty sysfs, network waits of 50 ms steps, and a reset
// application state. After it, it checks that every
// queued answer was used and that no database session stayed open.
class VarnholtTestCase : public QObject {
    Q_OBJECT
public:
    static QDateTime defaultNow();

protected:
    QString root() const { return m_root->path(); }
    QString appPath() const;
    QString dbPath() const;
    QString tempFolder() const { return root() + QStringLiteral("/tmp"); }
    QString homeFolder() const { return root() + QStringLiteral("/home"); }

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<QTemporaryDir> m_root;
};
