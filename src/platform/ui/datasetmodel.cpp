#include "platform/ui/datasetmodel.h"

#include <QLocale>

namespace vintora::ui {

DataSetModel::DataSetModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void DataSetModel::setDataSet(db::DataSet* dataSet)
{
    for (const auto& c : std::as_const(m_links))
        disconnect(c);
    m_links.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_links << connect(dataSet, &db::DataSet::rowsReset, this, &DataSetModel::reset);
        m_links << connect(dataSet, &db::DataSet::rowChanged, this, [this](int row) {
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
        m_links << connect(dataSet, &db::DataSet::rowInserted, this, [this](int row) {
            beginInsertRows({}, row, row);
            endInsertRows();
        });
        m_links << connect(dataSet, &db::DataSet::rowAboutToBeRemoved, this,
                           [this](int row) { beginRemoveRows({}, row, row); });
        m_links << connect(dataSet, &db::DataSet::rowRemoved, this, [this](int) { endRemoveRows(); });
    }
    reset();
}

void DataSetModel::reset()
{
    beginResetModel();
    if (m_allFields) {
        m_columns.clear();
        if (m_dataSet && m_dataSet->isActive()) {
            for (int i = 0; i < m_dataSet->fieldCount(); ++i) {
                GridColumn c;
                c.field = m_dataSet->fieldDef(i).name;
                c.checkBox = m_dataSet->fieldDef(i).type == QMetaType::Bool;
                m_columns << c;
            }
        }
    }
    endResetModel();
}

void DataSetModel::setColumns(const QList<GridColumn>& columns)
{
    m_allFields = columns.isEmpty();
    beginResetModel();
    m_columns = columns;
    endResetModel();
    if (m_allFields)
        reset();
}

int DataSetModel::columnOfField(const QString& field) const
{
    for (qsizetype c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(c);
    }
    return -1;
}

QString DataSetModel::fieldOf(int column) const
{
    return m_columns.value(column).field;
}

int DataSetModel::fieldIndexOf(int column) const
{
    if (!m_dataSet || column < 0 || column >= m_columns.size())
        return -1;
    return m_dataSet->fieldIndex(m_columns[column].field);
}

QString DataSetModel::titleOf(int column) const
{
    const GridColumn& c = m_columns.at(column);
    if (!c.title.isEmpty())
        return c.title;
    const int f = fieldIndexOf(column);
    if (f >= 0 && !m_dataSet->fieldDef(f).displayLabel.isEmpty())
        return m_dataSet->fieldDef(f).displayLabel;
    return c.field;
}

void DataSetModel::setSortMarkers(const QList<QPair<int, bool>>& markers)
{
    m_markers = markers;
    if (!m_columns.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(m_columns.size()) - 1);
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataSet || !m_dataSet->isActive())
        return 0;
    return m_dataSet->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DataSetModel::displayText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd.MM.yyyy"));
        return dt.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    }
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("✓") : QString();
    case QMetaType::QByteArray:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    const int f = fieldIndexOf(index.column());
    if (f < 0 || index.row() < 0 || index.row() >= rowCount())
        return {};
    const GridColumn& c = m_columns[index.column()];
    const QVariant v = m_dataSet->rowValue(index.row(), f);
    switch (role) {
    case Qt::DisplayRole:
        if (c.checkBox || c.picture)
            return {};
        return displayText(v);
    case Qt::EditRole:
        return v;
    case Qt::CheckStateRole:
        if (c.checkBox)
            return v.toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole:
        if (c.picture)
            return c.picture(v);
        return {};
    case Qt::TextAlignmentRole:
        return int(c.checkBox || c.picture ? Qt::AlignCenter : c.alignment);
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        QString title = titleOf(section);
        for (qsizetype i = 0; i < m_markers.size(); ++i) {
            if (m_markers[i].first != section)
                continue;
            title += m_markers[i].second ? QStringLiteral(" ▼") : QStringLiteral(" ▲");
            if (m_markers.size() > 1)
                title += QString::number(i + 1);
        }
        return title;
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

} // namespace vintora::ui
