#include "platform/db/tcoptable.h"

#include "platform/os/settings.h"

#include <QDate>

namespace vintora::db {

TcoPTable::TcoPTable(QObject* parent) : DataSet(nullptr, parent) {}

void TcoPTable::loadParameters()
{
    if (!isActive())
        open();
    while (!isEmpty())
        deleteRecord();
    const QVariantList stored = os::decodeValues(os::readBinaryValue(m_valueName));
    append();
    for (int i = 0; i < fieldCount(); ++i) {
        const FieldDef& def = fieldDef(i);
        QVariant v;
        if (i < stored.size())
            v = stored[i];
        else if (def.type == QMetaType::QDateTime)
            v = QDateTime::currentDateTime();
        else if (def.type == QMetaType::QDate)
            v = QDate::currentDate();
        else if (!def.defaultExpression.isEmpty())
            v = def.defaultExpression;
        setValue(i, v);
    }
    post();
}

void TcoPTable::saveParameters()
{
    if (isEditing())
        post();
    QVariantList values;
    for (int i = 0; i < fieldCount(); ++i)
        values << value(i);
    os::writeBinaryValue(m_valueName, os::encodeValues(values));
}

} // namespace vintora::db
