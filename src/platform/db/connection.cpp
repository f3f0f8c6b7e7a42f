#include "platform/db/connection.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

#include <sqlite3.h>

namespace vintora::db {

namespace {

const QString kDateTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");

// GETDATE() and EncyclPublicateNull(n) on SQLite; PostgreSQL gets them as SQL functions.
void sqliteGetDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    const QByteArray text = QDateTime::currentDateTime().toString(kDateTimeFormat).toLatin1();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

void sqliteEncyclPublicateNull(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int days = sqlite3_value_int(argv[0]);
    const QByteArray text = QDateTime::currentDateTime().addDays(days).toString(kDateTimeFormat).toLatin1();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

// Case-insensitive comparison for every letter (Cyrillic too), as the collector's server compares.
void sqliteLower(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray text = QString::fromUtf8(raw, sqlite3_value_bytes(argv[0])).toLower().toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

void sqliteUpper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray text = QString::fromUtf8(raw, sqlite3_value_bytes(argv[0])).toUpper().toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

QString tableForKind(const QString& kind)
{
    const QString k = kind.trimmed().toUpper();
    if (k == QLatin1String("P"))
        return QStringLiteral("Performer");
    if (k == QLatin1String("A"))
        return QStringLiteral("Album");
    if (k == QLatin1String("I"))
        return QStringLiteral("AlbumIssue");
    if (k == QLatin1String("F") || k == QLatin1String("S"))
        return QStringLiteral("Firm");
    if (k == QLatin1String("G"))
        return QStringLiteral("Genre");
    throw DbError(QStringLiteral("Неизвестный вид ключа \"%1\".").arg(kind));
}

} // namespace

QString defaultDatabaseUrl()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.local/share/Korvalen/Vintora");
    return QStringLiteral("sqlite://") + QDir(folder).absoluteFilePath(QStringLiteral("vintora.db"));
}

Connection::Connection(Dialect dialect, const QString& url, const QString& name)
    : m_dialect(dialect), m_url(url), m_name(name)
{
}

Connection::~Connection()
{
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

std::unique_ptr<Connection> Connection::open(const QString& url)
{
    const QString name = QStringLiteral("vintora-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (url.startsWith(QLatin1String("sqlite:"))) {
        QString path = url.mid(7);
        if (path.startsWith(QLatin1String("//")))
            path = path.mid(2);
        if (path.isEmpty())
            throw DbError(QStringLiteral("Не указан файл каталога в адресе \"%1\".").arg(url));
        if (path != QLatin1String(":memory:")) {
            const QFileInfo info(path);
            if (!QDir().mkpath(info.absolutePath()))
                throw DbError(QStringLiteral("Нельзя создать папку \"%1\".").arg(info.absolutePath()));
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        std::unique_ptr<Connection> c(new Connection(Dialect::SQLite, url, name));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase(); // the connection is removed with c; no copy may stay behind
            throw DbError(QStringLiteral("Нельзя открыть каталог \"%1\": %2").arg(path, reason));
        }
        c->configureSqlite();
        return c;
    }
    if (url.startsWith(QLatin1String("postgresql:")) || url.startsWith(QLatin1String("postgres:"))) {
        const QUrl u(url);
        if (!u.isValid() || u.host().isEmpty())
            throw DbError(QStringLiteral("Неверный адрес каталога \"%1\".").arg(url));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(u.host());
        db.setPort(u.port(5432));
        db.setUserName(u.userName());
        db.setPassword(u.password());
        QString dbName = u.path();
        if (dbName.startsWith(QLatin1Char('/')))
            dbName.remove(0, 1);
        db.setDatabaseName(dbName.isEmpty() ? QStringLiteral("vintora") : dbName);
        std::unique_ptr<Connection> c(new Connection(Dialect::PostgreSQL, url, name));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            throw DbError(QStringLiteral("Нельзя подключиться к каталогу \"%1\": %2").arg(url, reason));
        }
        c->execute(QStringLiteral("SET client_min_messages = WARNING"));
        // "?schema=name" keeps a catalogue in a schema of its own (tests, several catalogues on one server).
        const QString schema = QUrlQuery(u).queryItemValue(QStringLiteral("schema"));
        if (!schema.isEmpty()) {
            static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
            if (!plain.match(schema).hasMatch())
                throw DbError(QStringLiteral("Неверное имя схемы \"%1\".").arg(schema));
            c->execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(schema));
            c->execute(QStringLiteral("SET search_path TO %1").arg(schema));
        }
        return c;
    }
    throw DbError(QStringLiteral("Неизвестный вид адреса каталога \"%1\" (нужен sqlite:// или postgresql://).").arg(url));
}

void Connection::configureSqlite()
{
    QSqlDatabase db = database();
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* h = *static_cast<sqlite3* const*>(handle.constData());
        if (h) {
            sqlite3_create_function(h, "GETDATE", 0, SQLITE_UTF8, nullptr, sqliteGetDate, nullptr, nullptr);
            sqlite3_create_function(h, "EncyclPublicateNull", 1, SQLITE_UTF8, nullptr, sqliteEncyclPublicateNull,
                                    nullptr, nullptr);
            sqlite3_create_function(h, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteLower, nullptr,
                                    nullptr);
            sqlite3_create_function(h, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqliteUpper, nullptr,
                                    nullptr);
        }
    }
    // WAL lets the second copy of the program (the lone import window) work beside the first.
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    q.exec(QStringLiteral("PRAGMA busy_timeout=15000"));
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

QVariant Connection::bindable(const QVariant& value)
{
    if (!value.isValid())
        return QVariant(QMetaType(QMetaType::QString));
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().toString(kDateTimeFormat))
                                            : QVariant(QMetaType(QMetaType::QString));
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(value.toDate().toString(Qt::ISODate))
                                        : QVariant(QMetaType(QMetaType::QString));
    case QMetaType::QChar:
        return QString(value.toChar());
    default:
        return value;
    }
}

QDateTime Connection::toDateTime(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid()) {
        QString t = text;
        t.replace(QLatin1Char(' '), QLatin1Char('T'));
        dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    }
    return dt;
}

void Connection::fail(const QSqlQuery& query, const QString& sql) const
{
    const QSqlError e = query.lastError();
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.text().trimmed();
    throw DbError(QStringLiteral("%1\n%2").arg(text, sql.simplified().left(400)));
}

QSqlQuery& Connection::cachedStatement(const QString& sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        auto q = std::make_shared<QSqlQuery>(database());
        q->setForwardOnly(true);
        if (!q->prepare(sql))
            fail(*q, sql);
        it = m_statements.insert(sql, q);
    }
    return *it.value();
}

void Connection::bind(QSqlQuery& query, const Params& params)
{
    for (const Param& p : params)
        query.bindValue(QLatin1Char(':') + Params::bareName(p.name), bindable(p.value));
}

QSqlQuery Connection::query(const QString& sql, const Params& params)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (params.isEmpty()) {
        // Without parameters the text runs as it is: PostgreSQL prepares only data statements.
        if (!q.exec(sql))
            fail(q, sql);
        return q;
    }
    if (!q.prepare(sql))
        fail(q, sql);
    bind(q, params);
    if (!q.exec())
        fail(q, sql);
    return q;
}

RowSet Connection::select(const QString& sql, const Params& params)
{
    // Without parameters the text runs as it is: PostgreSQL prepares only data statements.
    QSqlQuery direct(database());
    direct.setForwardOnly(true); // rows are read once: no copy of the result is kept
    QSqlQuery& q = params.isEmpty() ? direct : cachedStatement(sql);
    if (params.isEmpty() ? !q.exec(sql) : (bind(q, params), !q.exec()))
        fail(q, sql);
    RowSet result;
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    for (int i = 0; i < n; ++i)
        result.columns << rec.fieldName(i);
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        result.rows << row;
    }
    q.finish();
    return result;
}

int Connection::execute(const QString& sql, const Params& params)
{
    // Without parameters the text runs as it is: PostgreSQL prepares only data statements.
    QSqlQuery direct(database());
    direct.setForwardOnly(true);
    QSqlQuery& q = params.isEmpty() ? direct : cachedStatement(sql);
    if (params.isEmpty() ? !q.exec(sql) : (bind(q, params), !q.exec()))
        fail(q, sql);
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

QVariant Connection::scalar(const QString& sql, const Params& params)
{
    // Without parameters the text runs as it is: PostgreSQL prepares only data statements.
    QSqlQuery direct(database());
    direct.setForwardOnly(true);
    QSqlQuery& q = params.isEmpty() ? direct : cachedStatement(sql);
    if (params.isEmpty() ? !q.exec(sql) : (bind(q, params), !q.exec()))
        fail(q, sql);
    QVariant v;
    if (q.next())
        v = q.value(0);
    q.finish();
    return v;
}

qint64 Connection::insertReturningId(const QString& sql, const Params& params)
{
    const QVariant id = scalar(sql + QStringLiteral(" RETURNING ID"), params);
    if (!id.isValid())
        throw DbError(QStringLiteral("Сервер не вернул ключ новой строки.\n") + sql);
    return id.toLongLong();
}

void Connection::begin()
{
    if (m_depth == 0)
        execute(m_dialect == Dialect::SQLite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    else
        execute(QStringLiteral("SAVEPOINT vintora_%1").arg(m_depth));
    ++m_depth;
}

void Connection::commit()
{
    if (m_depth <= 0)
        throw DbError(QStringLiteral("Нет открытой транзакции."));
    --m_depth;
    if (m_depth == 0)
        execute(QStringLiteral("COMMIT"));
    else
        execute(QStringLiteral("RELEASE SAVEPOINT vintora_%1").arg(m_depth));
}

void Connection::rollback()
{
    if (m_depth <= 0)
        return;
    --m_depth;
    if (m_depth == 0) {
        execute(QStringLiteral("ROLLBACK"));
    } else {
        execute(QStringLiteral("ROLLBACK TO SAVEPOINT vintora_%1").arg(m_depth));
        execute(QStringLiteral("RELEASE SAVEPOINT vintora_%1").arg(m_depth));
    }
}

QDateTime Connection::getDate() const
{
    return QDateTime::currentDateTime();
}

QDateTime Connection::encyclPublicateNull(int days) const
{
    return getDate().addDays(days);
}

int Connection::emptyId(const QString& kind)
{
    const QString table = tableForKind(kind);
    // Keys are unique: as many positive keys as the highest one means 1..max without a gap, which
    // is the usual case and costs one pass instead of a probe per row.
    const RowSet dense = select(QStringLiteral("SELECT COUNT(*), MAX(ID) FROM %1 WHERE ID > 0").arg(table));
    const qint64 count = dense.rows.at(0).at(0).toLongLong();
    const qint64 highest = dense.rows.at(0).at(1).isNull() ? 0 : dense.rows.at(0).at(1).toLongLong();
    if (count == highest)
        return int(highest + 1);
    // The first positive key with no row: 1 when free, else the lowest key whose successor is free.
    const QString sql = QStringLiteral(
        "SELECT CASE WHEN NOT EXISTS (SELECT 1 FROM %1 WHERE ID = 1) THEN 1 "
        "ELSE (SELECT MIN(t.ID) + 1 FROM %1 t WHERE t.ID > 0 AND NOT EXISTS "
        "(SELECT 1 FROM %1 u WHERE u.ID = t.ID + 1)) END").arg(table);
    return scalar(sql).toInt();
}

bool Connection::tableExists(const QString& table)
{
    if (m_dialect == Dialect::SQLite)
        return scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type IN ('table','view') AND lower(name) = lower(:T)"),
                      {{QStringLiteral("T"), table}}).toInt() > 0;
    return scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() "
                                 "AND lower(table_name) = lower(CAST(:T AS VARCHAR))"),
                  {{QStringLiteral("T"), table}}).toInt() > 0;
}

const QList<QPair<QString, QString>>& Connection::columnTypes(const QString& table)
{
    const QString key = table.toLower();
    auto it = m_types.find(key);
    if (it != m_types.end())
        return it.value();
    QList<QPair<QString, QString>> types;
    QStringList generated;
    if (m_dialect == Dialect::SQLite) {
        QSqlQuery q(database());
        if (!q.exec(QStringLiteral("PRAGMA table_xinfo(\"%1\")").arg(QString(table).remove(QLatin1Char('"')))))
            fail(q, table);
        while (q.next()) {
            const QString name = q.value(1).toString();
            QString type = q.value(2).toString().toLower();
            const int hidden = q.value(6).toInt();
            // A generated column's declared type carries the GENERATED words in some versions.
            type = type.section(QLatin1Char(' '), 0, 0);
            types << qMakePair(name, type);
            if (hidden == 2 || hidden == 3)
                generated << name;
        }
    } else {
        const RowSet rows = select(QStringLiteral(
            "SELECT column_name, data_type, character_maximum_length, domain_name, is_generated "
            "FROM information_schema.columns WHERE table_schema = current_schema() "
            "AND lower(table_name) = lower(CAST(:T AS VARCHAR)) ORDER BY ordinal_position"),
            {{QStringLiteral("T"), table}});
        for (const QVariantList& r : rows.rows) {
            QString type = r[3].toString().toLower();
            if (type.isEmpty()) {
                type = r[1].toString().toLower();
                if (type == QLatin1String("character varying"))
                    type = QStringLiteral("varchar");
                else if (type == QLatin1String("character"))
                    type = QStringLiteral("char");
                if (!r[2].isNull())
                    type += QStringLiteral("(%1)").arg(r[2].toInt());
            }
            types << qMakePair(r[0].toString(), type);
            if (r[4].toString() == QLatin1String("ALWAYS"))
                generated << r[0].toString();
        }
    }
    m_generated.insert(key, generated);
    return m_types.insert(key, types).value();
}

const QStringList& Connection::generatedColumns(const QString& table)
{
    columnTypes(table);
    return m_generated[table.toLower()];
}

} // namespace vintora::db
