#pragma once
#include "platform/db/rowset.h"

#include <QString>

namespace vintora::export_ {

// Reads one row of a routine's result by column name.
class RowReader {
public:
    RowReader(const db::RowSet& rows, qsizetype row) : m_rows(rows), m_row(row) {}
    QVariant value(const char* column) const { return m_rows.value(m_row, QString::fromLatin1(column)); }
    QString text(const char* column) const { return value(column).toString(); }
    int integer(const char* column) const { return value(column).toInt(); }
    bool flag(const char* column) const { return value(column).toInt() != 0; }
    bool isNull(const char* column) const { return value(column).isNull(); }

private:
    const db::RowSet& m_rows;
    qsizetype m_row;
};

} // namespace vintora::export_
