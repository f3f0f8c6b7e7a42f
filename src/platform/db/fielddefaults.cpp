#include "platform/db/fielddefaults.h"

#include "platform/os/settings.h"

#include <QDate>
#include <QObject>

namespace vintora::db {

QString defaultsValueName(const QString& ownerClassName, const QString& componentName)
{
    QString owner = ownerClassName.mid(1);
    owner.chop(2);
    return owner + componentName.mid(2) + QStringLiteral("Default");
}

QString defaultsValueName(const QObject* owner, const QObject* component)
{
    QString cls = QString::fromLatin1(owner->metaObject()->className());
    const qsizetype colon = cls.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0)
        cls = cls.mid(colon + 1);
    return defaultsValueName(cls, component->objectName());
}

namespace {
QList<int> rememberedFields(const DataSet& dataSet)
{
    QList<int> fields;
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        if (!dataSet.fieldDef(i).defaultExpression.isEmpty())
            fields << i;
    }
    return fields;
}

QVariant fallbackFor(const FieldDef& def)
{
    if (def.type == QMetaType::QDateTime)
        return QDate::currentDate().startOfDay();
    if (def.type == QMetaType::QDate)
        return QDate::currentDate();
    return def.defaultExpression;
}
} // namespace

void loadFieldDefaults(DataSet& dataSet, const QString& valueName)
{
    if (dataSet.state() != DataSetState::Insert)
        return;
    const QVariantList stored = os::decodeValues(os::readBinaryValue(valueName));
    const QList<int> fields = rememberedFields(dataSet);
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const FieldDef& def = dataSet.fieldDef(fields[k]);
        if (def.readOnly)
            continue;
        dataSet.setValue(fields[k], k < stored.size() ? stored[k] : fallbackFor(def));
    }
}

void saveFieldDefaults(const DataSet& dataSet, const QString& valueName)
{
    QVariantList values;
    for (int i : rememberedFields(dataSet))
        values << dataSet.value(i);
    os::writeBinaryValue(valueName, os::encodeValues(values));
}

} // namespace vintora::db
