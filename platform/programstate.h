#pragma once
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class InstanceLock;

// What a program keeps for its whole run, whichever of the two it is: the
// lock that tells a second copy that it runs, and the forms it shows once at
// a time. Tests reset it between cases.
class ProgramState {
public:
    static ProgramState& instance();

    std::unique_ptr<InstanceLock> instanceLock;

    // Forms shown once at a time, by name: an open one is raised, not opened twice.
    QWidget* openForm(const QString& name) const;
    void registerForm(const QString& name, QWidget* form);

    void reset();

private:
    QHash<QString, QPointer<QWidget>> m_forms;
};
