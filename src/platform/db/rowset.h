#pragma once
#include <QList>
#include <QStringList>
#include <QVariant>

namespace vintora::db {

// A read-only, fully fetched result: what a routine returns and what a select reads.
struct RowSet {
    QStringList columns;
    QList<QVariantList> rows;

    // Index of the column named name, compared without case (PostgreSQL folds unquoted names);
    // -1 when there is none.
    int column(const QString& name) const;
    // The value of a column by name; throws DbError for an unknown column.
    QVariant value(qsizetype row, const QString& name) const;
    qsizetype size() const { return rows.size(); }
    bool isEmpty() const { return rows.isEmpty(); }
};

} // namespace vintora::db
