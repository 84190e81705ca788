#include "program.h"

namespace {
QString& storedName()
{
    static QString name = QStringLiteral("Varnholt");
    return name;
}
}

QString Program::name() { return storedName(); }
void Program::setName(const QString& name) { storedName() = name; }
