#include "operatorbook.h"
#include "dbsession.h"

#include <QTest>

namespace OperatorBook {

Rows select(const QString& sql, const QVariantList& params)
{
    auto conn = Mod1::OpenConn();
    if (!conn) {
        QTest::qFail(qPrintable(conn.error().text()), __FILE__, __LINE__);
        return {};
    }
    auto rows = conn->query(sql, params);
    if (!rows) {
        QTest::qFail(qPrintable(rows.error().text()), __FILE__, __LINE__);
        return {};
    }
    return *rows;
}

void exec(const QString& sql, const QVariantList& params)
{
    auto conn = Mod1::OpenConn();
    if (!conn) {
        QTest::qFail(qPrintable(conn.error().text()), __FILE__, __LINE__);
        return;
    }
    if (auto done = conn->exec(sql, params); !done)
        QTest::qFail(qPrintable(done.error().text()), __FILE__, __LINE__);
}

int count(const QString& table)
{
    return select(QStringLiteral("select count(*) as n from \"%1\"").arg(table)).value(0, QStringLiteral("n")).toInt();
}

void addOperator(int id, const QString& name, const QString& post, const QVariant& password, const QVariant& flag)
{
    QVariantList values{id, name, post, password};
    for (int right = 1; right <= 25; ++right)
        values << flag;
    values << QStringLiteral("0");
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    exec(QStringLiteral("insert into tb_enter values(%1)").arg(marks.join(QLatin1Char(','))), values);
}

QStringList rights(const QString& name)
{
    const Rows rows = select(QStringLiteral("select * from tb_enter where M_Name = ?"), {name});
    QStringList flags;
    for (int right = 1; right <= 25; ++right)
        flags << rows.text(0, QString::number(right));
    return flags;
}

}
