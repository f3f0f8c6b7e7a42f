#include "platform/db/params.h"

namespace vintora::db {

QString Params::bareName(const QString& name)
{
    QString n = name;
    while (n.startsWith(QLatin1Char('@')) || n.startsWith(QLatin1Char(':')))
        n.remove(0, 1);
    return n;
}

QVariant Params::value(const QString& name) const
{
    const QString key = bareName(name);
    for (const Param& p : *this) {
        if (bareName(p.name).compare(key, Qt::CaseInsensitive) == 0)
            return p.value;
    }
    return {};
}

bool Params::contains(const QString& name) const
{
    const QString key = bareName(name);
    for (const Param& p : *this) {
        if (bareName(p.name).compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void Params::set(const QString& name, const QVariant& value)
{
    const QString key = bareName(name);
    for (Param& p : *this) {
        if (bareName(p.name).compare(key, Qt::CaseInsensitive) == 0) {
            p.value = value;
            return;
        }
    }
    append(Param{name, value});
}

} // namespace vintora::db
