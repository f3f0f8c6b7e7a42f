#pragma once
#include "platform/db/dataset.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QPointer>
#include <functional>

namespace vintora::ui {

// One column of a grid over a data set.
struct GridColumn {
    GridColumn() = default;
    GridColumn(QString f, QString t = {}, int w = 0)
        : field(std::move(f)), title(std::move(t)), width(w) {}
    QString field;
    QString title;              // empty: the field's display label
    int width = 0;              // 0: fitted
    bool checkBox = false;      // a flag shown as a check box
    QString sortField;          // sort by another field when set (the column's edit mask)
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QIcon(const QVariant&)> picture; // a picture column instead of text
};

// The rows of a data set for a QTableView; follows the data set's row notifications. Titles
// carry the sort markers the grid sets ("▲" ascending, "▼" descending, numbered when several).
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);

    void setDataSet(db::DataSet* dataSet);
    db::DataSet* dataSet() const { return m_dataSet.data(); }
    // No columns given: every field of the data set in its order.
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    int columnOfField(const QString& field) const; // -1 when no column shows it
    QString fieldOf(int column) const;
    QString titleOf(int column) const;

    // Sort markers by column: 0 none, 1 ascending, 2 descending; order = position in the list.
    void setSortMarkers(const QList<QPair<int, bool>>& markers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a cell shows (dates short, flags as a check mark).
    static QString displayText(const QVariant& value);

private:
    int fieldIndexOf(int column) const;
    void reset();

    QPointer<db::DataSet> m_dataSet;
    QList<GridColumn> m_columns;
    bool m_allFields = true;
    QList<QPair<int, bool>> m_markers;
    QList<QMetaObject::Connection> m_links;
};

} // namespace vintora::ui
