#pragma once
#include "platform/db/dataset.h"

namespace vintora::db {

// Runs a statement that returns no rows on the connection.
void executeStatement(Connection& connection, const QString& statement, const Params& params = {});

// The text DeleteByKey runs: DELETE FROM table WHERE column = 'value'. The value is the integer
// key of the row, so nothing a user typed reaches the statement.
QString deleteByKeyStatement(const QString& table, const QString& column, qint64 key);

// Deletes the row whose key is the key field's value; column "*" means the field's own name.
// A referenced row the catalogue refuses to delete raises DbError and stays.
void deleteByKey(DataSet& dataSet, const QString& table, const QString& keyField, const QString& column = QStringLiteral("*"));

// Closes the data set, binds values to its parameters in order (missing ones become null) and
// opens it. A value of a kind that has no parameter form raises
// "Неопределённый тип параметра (%d)." and leaves the data set closed.
void openWithParams(DataSet& dataSet, const QVariantList& values);

// A null value clears the field; a different value puts the data set into edit state and is
// assigned; an equal value changes nothing.
void assignFieldIfChanged(DataSet& dataSet, const QString& field, const QVariant& value);

// Puts the data set into edit state unless it is editing or inserting already.
void ensureEditing(DataSet& dataSet);

} // namespace vintora::db
