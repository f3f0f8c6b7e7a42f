#include "platform/ui/datasource.h"

namespace vintora::ui {

DataSource::DataSource(db::DataSet* dataSet, QObject* parent)
    : QObject(parent)
{
    setDataSet(dataSet);
}

void DataSource::setDataSet(db::DataSet* dataSet)
{
    if (m_dataSet == dataSet)
        return;
    for (const auto& c : std::as_const(m_links))
        disconnect(c);
    m_links.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        using db::DataSet;
        for (auto signal : {&DataSet::afterScroll, &DataSet::afterOpen, &DataSet::afterClose,
                            &DataSet::afterInsert, &DataSet::afterPost, &DataSet::rowsReset})
            m_links << connect(dataSet, signal, this, &DataSource::dataChanged);
        m_links << connect(dataSet, &DataSet::fieldChanged, this, &DataSource::fieldChanged);
        m_links << connect(dataSet, &DataSet::stateChanged, this, [this] {
            emit stateChanged();
            emit dataChanged();
        });
    }
    emit dataSetChanged();
    emit dataChanged();
}

db::DataSetState DataSource::state() const
{
    return m_dataSet ? m_dataSet->state() : db::DataSetState::Inactive;
}

bool DataSource::isEditing() const
{
    return m_dataSet && m_dataSet->isEditing();
}

} // namespace vintora::ui
