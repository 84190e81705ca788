#pragma once
#include "testregistry.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The program a test class tests.
enum class TestedProgram { Varnholt, Teskarn };

// Base of every test class. Before each test function it lays a fresh world:
// temporary HOME, XDG folders and TMPDIR, scripted message boxes and file
// dialogs, the test clock, recording opener and runner, offline, an empty
// sysfs, network waits of 50 ms steps, the tested program's name and its
// reset state; for Varnholt also an AppPath (with Chinese and a blank in its
// name) holding a copy of the delivered database. After it, it checks that
// every queued answer was used and that no database session stayed open.
class VarnholtTestCase : public QObject {
    Q_OBJECT
public:
    static QDateTime defaultNow();

protected:
    explicit VarnholtTestCase(TestedProgram program = TestedProgram::Varnholt)
        : m_program(program)
    {
    }

    QString root() const { return m_root->path(); }
    QString appPath() const;
    QString dbPath() const;
    QString tempFolder() const { return root() + QStringLiteral("/tmp"); }
    QString homeFolder() const { return root() + QStringLiteral("/home"); }

private slots:
    void init();
    void cleanup();

private:
    void resetProgramState();

    TestedProgram m_program;
    std::unique_ptr<QTemporaryDir> m_root;
};
