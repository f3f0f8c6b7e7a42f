#include "platform/ui/fieldlink.h"

#include "platform/db/dbhelpers.h"

namespace vintora::ui {

FieldLink::FieldLink(Show show, QObject* parent)
    : QObject(parent)
    , m_show(std::move(show))
{
}

void FieldLink::bind(DataSource* source, const QString& field)
{
    for (const auto& c : std::as_const(m_links))
        disconnect(c);
    m_links.clear();
    m_source = source;
    m_field = field;
    if (source) {
        m_links << connect(source, &DataSource::dataChanged, this, &FieldLink::refresh);
        m_links << connect(source, &DataSource::fieldChanged, this, [this](int index) {
            const db::DataSet* ds = dataSet();
            if (ds && !m_writing && ds->fieldIndex(m_field) == index)
                refresh();
        });
    }
    refresh();
}

bool FieldLink::isActive() const
{
    const db::DataSet* ds = dataSet();
    return ds && ds->isActive() && ds->hasField(m_field);
}

bool FieldLink::fieldReadOnly() const
{
    db::DataSet* ds = dataSet();
    if (!ds || !ds->hasField(m_field))
        return true;
    return ds->isReadOnly() || ds->fieldDef(m_field).readOnly;
}

QString FieldLink::displayLabel() const
{
    db::DataSet* ds = dataSet();
    if (!ds || !ds->hasField(m_field))
        return m_field;
    const QString label = ds->fieldDef(m_field).displayLabel;
    return label.isEmpty() ? m_field : label;
}

QVariant FieldLink::value() const
{
    return isActive() ? dataSet()->value(m_field) : QVariant();
}

bool FieldLink::write(const QVariant& value)
{
    db::DataSet* ds = dataSet();
    if (!isActive() || fieldReadOnly())
        return false;
    if (!ds->isEditing() && ds->value(m_field) == value)
        return true;
    m_writing = true;
    try {
        db::ensureEditing(*ds);
        ds->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    return true;
}

void FieldLink::refresh()
{
    if (m_writing)
        return;
    const bool active = isActive();
    m_show(active ? dataSet()->value(m_field) : QVariant(), active);
    emit refreshed();
}

} // namespace vintora::ui
