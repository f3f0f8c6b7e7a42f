#pragma once
#include "platform/db/dataset.h"

#include <QObject>
#include <QPointer>

namespace vintora::ui {

// What data-aware controls bind to: a data set that can be swapped while the controls stay.
// The source forwards the data set's notifications, so a control listens to one object only.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(db::DataSet* dataSet = nullptr, QObject* parent = nullptr);

    void setDataSet(db::DataSet* dataSet);
    db::DataSet* dataSet() const { return m_dataSet.data(); }
    db::DataSetState state() const;
    bool isEditing() const;

signals:
    // The current record or its values changed (scroll, open, close, post, cancel, edits).
    void dataChanged();
    void fieldChanged(int field);
    void stateChanged();
    void dataSetChanged();

private:
    QPointer<db::DataSet> m_dataSet;
    QList<QMetaObject::Connection> m_links;
};

} // namespace vintora::ui
