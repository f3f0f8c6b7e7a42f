#include "catalogue/migrator.h"

#include "catalogue/routines.h"
#include "catalogue/schema.h"

namespace vintora::catalogue {

int Migrator::latestVersion()
{
    return migrations().last().number;
}

int Migrator::currentVersion(db::Connection& c)
{
    if (!c.tableExists(QStringLiteral("SchemaMigration")))
        return 0;
    return c.scalar(QStringLiteral("SELECT COALESCE(MAX(Number), 0) FROM SchemaMigration")).toInt();
}

int Migrator::migrate(db::Connection& c)
{
    const bool postgres = c.dialect() == db::Dialect::PostgreSQL;
    c.execute(expand(QStringLiteral("CREATE TABLE IF NOT EXISTS SchemaMigration (Number INTEGER PRIMARY KEY, "
                                    "Description VARCHAR(200), Applied TIMESTAMP)"),
                     postgres));
    const int current = currentVersion(c);
    if (current > latestVersion())
        throw db::DbError(QStringLiteral("Каталог создан более новой версией программы (схема %1, известна %2).")
                              .arg(current)
                              .arg(latestVersion()));
    int applied = 0;
    for (const Migration& m : migrations()) {
        if (m.number <= current)
            continue;
        db::Transaction t(c);
        const QStringList before = postgres ? m.postgresBefore : QStringList();
        const QStringList after = postgres ? m.postgresAfter : m.sqliteAfter;
        for (const QStringList* list : {&before, &m.statements, &after}) {
            for (const QString& statement : *list)
                c.execute(expand(statement, postgres));
        }
        if (m.fill)
            m.fill(c);
        c.execute(QStringLiteral("INSERT INTO SchemaMigration (Number, Description, Applied) VALUES (:N, :D, :A)"),
                  {{QStringLiteral("N"), m.number}, {QStringLiteral("D"), m.description},
                   {QStringLiteral("A"), c.getDate()}});
        t.commit();
        ++applied;
    }
    return applied;
}

std::unique_ptr<db::Connection> openCatalogue(const QString& url)
{
    auto c = db::Connection::open(url);
    Migrator::migrate(*c);
    registerRoutines();
    return c;
}

} // namespace vintora::catalogue
