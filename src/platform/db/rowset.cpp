#include "platform/db/rowset.h"

#include "platform/db/dberror.h"

namespace vintora::db {

int RowSet::column(const QString& name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QVariant RowSet::value(qsizetype row, const QString& name) const
{
    const int c = column(name);
    if (c < 0)
        throw DbError(QStringLiteral("Нет поля \"%1\" в результате.").arg(name));
    return rows.at(row).at(c);
}

} // namespace vintora::db
