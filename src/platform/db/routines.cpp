#include "platform/db/routines.h"

#include "platform/db/dberror.h"

namespace vintora::db {

QVariant RoutineArgs::value(const QString& name, const QVariant& fallback) const
{
    if (!m_params.contains(name))
        return fallback;
    return m_params.value(name);
}

int RoutineArgs::integer(const QString& name, int fallback) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return fallback;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

bool RoutineArgs::flag(const QString& name, bool fallback) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return fallback;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed().toLower();
        return t == QLatin1String("1") || t == QLatin1String("true");
    }
    return v.toBool();
}

QString RoutineArgs::text(const QString& name, const QString& fallback) const
{
    const QVariant v = value(name);
    return v.isNull() ? fallback : v.toString();
}

RoutineRegistry& RoutineRegistry::instance()
{
    static RoutineRegistry registry;
    return registry;
}

QString RoutineRegistry::bareName(const QString& name)
{
    QString n = name.trimmed();
    const qsizetype semi = n.indexOf(QLatin1Char(';'));
    if (semi >= 0)
        n.truncate(semi);
    if (n.startsWith(QLatin1String("dbo.")))
        n.remove(0, 4);
    return n.toLower();
}

void RoutineRegistry::add(const QString& name, Routine routine)
{
    m_routines.insert(bareName(name), std::move(routine));
}

bool RoutineRegistry::contains(const QString& name) const
{
    return m_routines.contains(bareName(name));
}

RowSet RoutineRegistry::call(Connection& connection, const QString& name, const Params& args) const
{
    const auto it = m_routines.constFind(bareName(name));
    if (it == m_routines.constEnd())
        throw DbError(QStringLiteral("Нет процедуры \"%1\".").arg(name));
    return it.value()(connection, RoutineArgs(args));
}

QStringList RoutineRegistry::names() const
{
    QStringList list = m_routines.keys();
    list.sort();
    return list;
}

} // namespace vintora::db
