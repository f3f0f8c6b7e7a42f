#pragma once
#include "platform/db/dataset.h"

namespace vintora::db {

// The parameter record of a query frame: fields of its own in memory, one record, kept between
// runs under the registry value its owner names.
class TcoPTable : public DataSet {
    Q_OBJECT
public:
    explicit TcoPTable(QObject* parent = nullptr);

    void setValueName(const QString& name) { m_valueName = name; }
    const QString& valueName() const { return m_valueName; }

    // Empties the table, inserts one record from the stored values (a value that cannot be read
    // gives today for dates and the default expression otherwise) and posts it.
    void loadParameters();
    // Posts a pending edit and stores every field's value in field order.
    void saveParameters();

private:
    QString m_valueName;
};

} // namespace vintora::db
