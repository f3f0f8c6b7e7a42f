#pragma once
#include "platform/ui/datasource.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace vintora::ui {

// Ties one control to one field of a data source. The control gives a function that shows a
// value; it calls write() when the user changes it, which puts the data set into edit state
// first (the way typing into a data-aware edit starts editing).
class FieldLink : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QVariant& value, bool active)>;

    FieldLink(Show show, QObject* parent);

    void bind(DataSource* source, const QString& field);
    DataSource* dataSource() const { return m_source.data(); }
    db::DataSet* dataSet() const { return m_source ? m_source->dataSet() : nullptr; }
    const QString& fieldName() const { return m_field; }
    // The bound field exists and the data set is open.
    bool isActive() const;
    bool fieldReadOnly() const;
    QString displayLabel() const;
    QVariant value() const;

    // A user change: starts editing when needed and stores the value. Returns false (and
    // stores nothing) when the data set is closed, read-only or the field is unknown.
    bool write(const QVariant& value);
    // Shows the field's current value again.
    void refresh();

signals:
    void refreshed();

private:
    Show m_show;
    QPointer<DataSource> m_source;
    QString m_field;
    QList<QMetaObject::Connection> m_links;
    bool m_writing = false;
};

} // namespace vintora::ui
