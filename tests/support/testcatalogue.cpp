#include "support/testcatalogue.h"

#include "catalogue/migrator.h"
#include "catalogue/routines.h"

#include <QUuid>

namespace vintora::test {

TestCatalogue::TestCatalogue(const QString& backend, bool migrate)
{
    if (backend == QLatin1String("postgresql")) {
        const QString server = postgresServer();
        if (server.isEmpty())
            return;
        m_schema = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
        m_url = server + (server.contains(QLatin1Char('?')) ? QStringLiteral("&") : QStringLiteral("?")) +
                QStringLiteral("schema=") + m_schema;
    } else {
        m_url = QStringLiteral("sqlite://") + m_dir.filePath(QStringLiteral("catalogue.db"));
    }
    m_connection = db::Connection::open(m_url);
    if (migrate) {
        catalogue::Migrator::migrate(*m_connection);
        catalogue::registerRoutines();
    }
}

TestCatalogue::~TestCatalogue()
{
    if (!m_schema.isEmpty()) {
        try {
            auto c = m_connection ? std::move(m_connection) : db::Connection::open(postgresServer());
            c->execute(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schema));
        } catch (...) {
            // A schema left behind on a throw-away test server harms nothing.
        }
    }
}

} // namespace vintora::test
