#pragma once
#include "platform/db/connection.h"
#include "platform/db/params.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

namespace vintora::db {

enum class DataSetState { Inactive, Browse, Edit, Insert };

struct FieldDef {
    QString name;
    QString displayLabel;
    QMetaType::Type type = QMetaType::QString;
    int size = 0;          // declared width of a text, 0 when unbounded
    bool memo = false;     // long text
    bool readOnly = false; // computed by the server, or a read-only data set
    QString defaultExpression; // remembered-value fields carry one ("1", "*", "True")
};

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false; // text fields match by prefix
};

// The data set every window and engine uses: opened from a whole table, an SQL text with
// ":Name" parameters, a routine with "@XX" inputs, or fields of its own in memory. It holds its
// rows and a current row; edits of table and single-table SQL data sets are written back to the
// base table by ID.
class DataSet : public QObject {
    Q_OBJECT
public:
    enum class Source { None, Table, Sql, Routine, Memory };
    using Bookmark = qint64;

    explicit DataSet(Connection* connection = nullptr, QObject* parent = nullptr);
    ~DataSet() override;

    void setConnection(Connection* connection) { m_connection = connection; }
    Connection* connection() const { return m_connection; }

    // Sources. A table data set may carry a filter ("Active = 1") and an order ("Name").
    void setTableName(const QString& table, const QString& filter = {}, const QString& orderBy = {});
    // The base table for writes is taken from "select ... from T" when not given.
    void setSql(const QString& sql, const QString& updateTable = {});
    void setRoutine(const QString& name);
    // In-memory fields (a parameter table); open() then gives an empty set.
    void addField(const FieldDef& def);
    Source source() const { return m_source; }
    QString tableName() const { return m_table; }
    QString updateTable() const { return m_updateTable; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const;

    Params& params() { return m_params; }
    const Params& params() const { return m_params; }
    void setParam(const QString& name, const QVariant& value) { m_params.set(name, value); }
    QVariant param(const QString& name) const { return m_params.value(name); }

    // Master-detail: each pair is (parameter of this set, field of the master). Moving the
    // master re-opens this set with the master's current values.
    void setMaster(DataSet* master, const QList<QPair<QString, QString>>& links);

    void open();
    void close();
    // Re-runs the source and returns to the row with the same ID (or the same position).
    void refresh();
    bool isActive() const { return m_state != DataSetState::Inactive; }
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }

    // Fields.
    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef& fieldDef(int index) const { return m_fields.at(index); }
    FieldDef& fieldDef(const QString& name);
    int fieldIndex(const QString& name) const; // without case; -1 when absent
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QStringList fieldNames() const;
    void setFieldDefault(const QString& name, const QString& expression);
    void setDisplayLabel(const QString& name, const QString& label);

    // Values of the current row (or of the edit buffer while editing).
    QVariant value(const QString& name) const;
    QVariant value(int index) const;
    bool isNull(const QString& name) const;
    QString text(const QString& name) const { return value(name).toString(); }
    int integer(const QString& name) const { return value(name).toInt(); }
    // Only while editing or inserting; an empty text is kept as given (the edit frame nulls it).
    void setValue(const QString& name, const QVariant& value);
    void setValue(int index, const QVariant& value);
    // Value of any row, for grids.
    QVariant rowValue(int row, int field) const;

    // Navigation.
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int recNo() const { return m_current + 1; } // 1-based; 0 when empty
    int currentRow() const { return m_current; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    void setCurrentRow(int row);
    // Key fields "A;B"; returns whether a row was found (then it is current).
    bool locate(const QString& keyFields, const QVariantList& values, LocateOptions options = {});
    bool locate(const QString& keyField, const QVariant& value, LocateOptions options = {})
    {
        return locate(keyField, QVariantList{value}, options);
    }
    // Sort by an index field list "A;B DESC;"; an empty list keeps the order the source gave.
    void setIndexFieldNames(const QString& list);
    QString indexFieldNames() const { return m_indexFieldNames; }
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);

    // Changes.
    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void deleteRecord();

signals:
    void stateChanged();
    void afterOpen();
    void afterClose();
    void afterScroll();
    void afterInsert();
    void beforePost();
    void afterPost();
    void afterDelete();
    void fieldChanged(int field);
    // Grid models listen to these.
    void rowsReset();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row); // the row is still there
    void rowRemoved(int row);

private:
    struct Row {
        Bookmark uid;
        QVariantList values;
    };

    void requireActive() const;
    void requireEditing() const;
    void setState(DataSetState state);
    void loadFields(const QStringList& names, const QList<QMetaType::Type>& fallbackTypes);
    QVariant convert(const QVariant& raw, const FieldDef& def) const;
    void fetch();
    void applySort();
    void scrolled();
    void writeInsert();
    void writeUpdate();
    void rereadRow(const QVariant& id);
    QString writeTable() const;
    void masterMoved();

    Connection* m_connection = nullptr;
    Source m_source = Source::None;
    QString m_table;
    QString m_filter;
    QString m_orderBy;
    QString m_sql;
    QString m_updateTable;
    QString m_routine;
    bool m_readOnly = false;
    Params m_params;

    QPointer<DataSet> m_master;
    QList<QPair<QString, QString>> m_masterLinks;
    QMetaObject::Connection m_masterScroll;
    QMetaObject::Connection m_masterOpen;

    QList<FieldDef> m_fields;
    QList<FieldDef> m_memoryFields;
    QList<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    DataSetState m_state = DataSetState::Inactive;
    QVariantList m_buffer;
    QVariantList m_original;
    int m_insertAt = -1;
    Bookmark m_nextUid = 1;
    QString m_indexFieldNames;
};

} // namespace vintora::db
