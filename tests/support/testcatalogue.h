#pragma once
// A fresh catalogue for one test: SQLite in a temporary folder, or PostgreSQL in a schema of its
// own on the server named by VINTORA_TEST_PG (postgresql://user@host:port/db).
#include "platform/db/connection.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vintora::test {

inline QString postgresServer()
{
    return qEnvironmentVariable("VINTORA_TEST_PG");
}

// Adds the "backend" column for data-driven tests: sqlite always, postgresql always too (it
// skips, visibly, when no server is given).
inline void addBackendColumn()
{
    QTest::addColumn<QString>("backend");
}
inline void addBackendRows(const char* prefix = "")
{
    QTest::newRow((QByteArray(prefix) + "sqlite").constData()) << QStringLiteral("sqlite");
    QTest::newRow((QByteArray(prefix) + "postgresql").constData()) << QStringLiteral("postgresql");
}

class TestCatalogue {
public:
    // migrate: create the schema and reference rows (otherwise an empty database).
    explicit TestCatalogue(const QString& backend, bool migrate = true);
    ~TestCatalogue();
    bool available() const { return m_connection != nullptr; }
    db::Connection& connection() { return *m_connection; }
    const QString& url() const { return m_url; }
    // Opens another connection to the same catalogue (a second copy of the program).
    std::unique_ptr<db::Connection> openAnother() const { return db::Connection::open(m_url); }
    // Closes this connection (for tests that hand the catalogue to a child process first).
    void closeConnection() { m_connection.reset(); }

private:
    QTemporaryDir m_dir;
    QString m_url;
    QString m_schema;
    std::unique_ptr<db::Connection> m_connection;
};

} // namespace vintora::test

// Skips the current row when its backend is not available here.
#define VINTORA_OPEN_CATALOGUE(var, backend)                                                            \
    if ((backend) == QLatin1String("postgresql") && vintora::test::postgresServer().isEmpty())          \
        QSKIP("PostgreSQL tests skipped: set VINTORA_TEST_PG=postgresql://user@host:port/db");          \
    vintora::test::TestCatalogue var(backend)
