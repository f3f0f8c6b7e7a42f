#include "platform/db/dbhelpers.h"

namespace vintora::db {

void executeStatement(Connection& connection, const QString& statement, const Params& params)
{
    connection.execute(statement, params);
}

QString deleteByKeyStatement(const QString& table, const QString& column, qint64 key)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 = '%3'").arg(table, column).arg(key);
}

void deleteByKey(DataSet& dataSet, const QString& table, const QString& keyField, const QString& column)
{
    if (!dataSet.connection())
        throw DbError(QStringLiteral("Набор данных не связан с каталогом."));
    const QVariant value = dataSet.value(keyField);
    bool ok = false;
    const qint64 key = value.toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("Ключ \"%1\" не число.").arg(value.toString()));
    const QString col = column == QLatin1String("*") ? dataSet.fieldDef(dataSet.fieldIndex(keyField)).name : column;
    // The key is an integer: the statement keeps its quoted-text form without taking any user text.
    dataSet.connection()->execute(deleteByKeyStatement(table, col, key));
}

void openWithParams(DataSet& dataSet, const QVariantList& values)
{
    dataSet.close();
    Params& params = dataSet.params();
    for (qsizetype i = 0; i < params.size(); ++i) {
        const QVariant v = values.value(i);
        switch (v.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            params[i].value = QVariant();
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::QString:
        case QMetaType::QByteArray:
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            params[i].value = v;
            break;
        case QMetaType::QChar:
            params[i].value = QString(v.toChar());
            break;
        case QMetaType::Char:
            params[i].value = QString(QLatin1Char(v.value<char>()));
            break;
        default:
            throw DbError(QStringLiteral("Неопределённый тип параметра (%1).").arg(v.typeId()));
        }
    }
    dataSet.open();
}

void ensureEditing(DataSet& dataSet)
{
    if (!dataSet.isEditing())
        dataSet.edit();
}

void assignFieldIfChanged(DataSet& dataSet, const QString& field, const QVariant& value)
{
    if (value.isNull()) {
        if (!dataSet.isNull(field)) {
            ensureEditing(dataSet);
            dataSet.setValue(field, QVariant());
        }
        return;
    }
    const QVariant current = dataSet.value(field);
    if (!current.isNull() && current.toString() == value.toString() &&
        (current.typeId() != QMetaType::Bool || current.toBool() == value.toBool()))
        return;
    ensureEditing(dataSet);
    dataSet.setValue(field, value);
}

} // namespace vintora::db
