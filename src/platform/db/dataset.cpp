#include "platform/db/dataset.h"

#include "platform/db/routines.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>

namespace vintora::db {

namespace {

QMetaType::Type typeFromDeclared(const QString& declared, int* size, bool* memo)
{
    QString t = declared.toLower().trimmed();
    *size = 0;
    *memo = false;
    static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
    const auto m = width.match(t);
    if (m.hasMatch())
        *size = m.captured(1).toInt();
    if (t.startsWith(QLatin1String("flag")) || t == QLatin1String("boolean") || t == QLatin1String("bit"))
        return QMetaType::Bool;
    if (t.startsWith(QLatin1String("bigint")))
        return QMetaType::LongLong;
    if (t.contains(QLatin1String("int")))
        return QMetaType::Int;
    if (t.startsWith(QLatin1String("datetime")) || t.startsWith(QLatin1String("timestamp")))
        return QMetaType::QDateTime;
    if (t == QLatin1String("date"))
        return QMetaType::QDate;
    if (t.startsWith(QLatin1String("blob")) || t == QLatin1String("bytea") || t == QLatin1String("image"))
        return QMetaType::QByteArray;
    if (t.startsWith(QLatin1String("real")) || t.startsWith(QLatin1String("double")) ||
        t.startsWith(QLatin1String("float")) || t.startsWith(QLatin1String("numeric")))
        return QMetaType::Double;
    if (t == QLatin1String("text") || t == QLatin1String("longtext"))
        *memo = true;
    return QMetaType::QString;
}

// "A;B DESC;" into (field, descending) pairs.
QList<QPair<QString, bool>> parseIndexFields(const QString& list)
{
    QList<QPair<QString, bool>> result;
    for (const QString& part : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString name = part.trimmed();
        bool desc = false;
        if (name.endsWith(QLatin1String(" DESC"), Qt::CaseInsensitive)) {
            desc = true;
            name.chop(5);
        } else if (name.endsWith(QLatin1String(" ASC"), Qt::CaseInsensitive)) {
            name.chop(4);
        }
        name = name.trimmed();
        if (!name.isEmpty())
            result << qMakePair(name, desc);
    }
    return result;
}

int compareValues(const QVariant& a, const QVariant& b)
{
    const bool an = a.isNull(), bn = b.isNull();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(a.toString(), b.toString());
    const QPartialOrdering o = QVariant::compare(a, b);
    if (o == QPartialOrdering::Less)
        return -1;
    if (o == QPartialOrdering::Greater)
        return 1;
    return 0;
}

// Column names are quoted exactly as the server reported them, so the reserved words
// ("Order", "Union", "Key", "Do") and PostgreSQL's folded names both stay right.
QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

DataSet::DataSet(Connection* connection, QObject* parent) : QObject(parent), m_connection(connection) {}

DataSet::~DataSet() = default;

void DataSet::setTableName(const QString& table, const QString& filter, const QString& orderBy)
{
    m_source = Source::Table;
    m_table = table;
    m_updateTable = table;
    m_filter = filter;
    m_orderBy = orderBy;
}

void DataSet::setSql(const QString& sql, const QString& updateTable)
{
    m_source = Source::Sql;
    m_sql = sql;
    m_updateTable = updateTable;
    if (m_updateTable.isEmpty()) {
        // A single-table "select ... from T" writes back to T; joins stay read-only.
        static const QRegularExpression single(
            QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+\"?(\\w+)\"?(\\s+where\\b.*)?$"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        const auto m = single.match(sql);
        if (m.hasMatch())
            m_updateTable = m.captured(1);
    }
}

void DataSet::setRoutine(const QString& name)
{
    m_source = Source::Routine;
    m_routine = name;
    m_updateTable.clear();
}

void DataSet::addField(const FieldDef& def)
{
    m_source = Source::Memory;
    m_memoryFields << def;
}

bool DataSet::isReadOnly() const
{
    if (m_readOnly)
        return true;
    return m_source == Source::Routine || m_source == Source::None ||
           (m_source != Source::Memory && m_updateTable.isEmpty());
}

void DataSet::setMaster(DataSet* master, const QList<QPair<QString, QString>>& links)
{
    if (m_master) {
        disconnect(m_masterScroll);
        disconnect(m_masterOpen);
    }
    m_master = master;
    m_masterLinks = links;
    if (master) {
        m_masterScroll = connect(master, &DataSet::afterScroll, this, &DataSet::masterMoved);
        m_masterOpen = connect(master, &DataSet::afterClose, this, [this] { close(); });
    }
}

void DataSet::masterMoved()
{
    if (!m_master || !m_master->isActive())
        return;
    open();
}

void DataSet::requireActive() const
{
    if (m_state == DataSetState::Inactive)
        throw DbError(QStringLiteral("Набор данных закрыт."));
}

void DataSet::requireEditing() const
{
    if (!isEditing())
        throw DbError(QStringLiteral("Набор данных не в режиме редактирования или вставки."));
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void DataSet::loadFields(const QStringList& names, const QList<QMetaType::Type>& fallbackTypes)
{
    // Declared types of the base table give widths, flags and dates the drivers do not report.
    QHash<QString, QString> declared;
    QStringList generated;
    if (m_connection && !m_updateTable.isEmpty()) {
        for (const auto& [column, type] : m_connection->columnTypes(m_updateTable))
            declared.insert(column.toLower(), type);
        generated = m_connection->generatedColumns(m_updateTable);
    }
    QList<FieldDef> previous = m_fields;
    m_fields.clear();
    for (qsizetype i = 0; i < names.size(); ++i) {
        FieldDef def;
        def.name = names[i];
        def.displayLabel = names[i];
        def.type = fallbackTypes.value(i, QMetaType::QString);
        const auto it = declared.constFind(names[i].toLower());
        if (it != declared.constEnd()) {
            int size = 0;
            bool memo = false;
            def.type = typeFromDeclared(it.value(), &size, &memo);
            def.size = size;
            def.memo = memo;
        }
        def.readOnly = generated.contains(names[i], Qt::CaseInsensitive);
        // Labels and defaults set by the owner survive a re-open.
        for (const FieldDef& old : previous) {
            if (old.name.compare(def.name, Qt::CaseInsensitive) == 0) {
                def.displayLabel = old.displayLabel;
                def.defaultExpression = old.defaultExpression;
                def.readOnly = def.readOnly || old.readOnly;
            }
        }
        m_fields << def;
    }
}

QVariant DataSet::convert(const QVariant& raw, const FieldDef& def) const
{
    if (raw.isNull())
        return QVariant(QMetaType(def.type));
    switch (def.type) {
    case QMetaType::Bool:
        if (raw.typeId() == QMetaType::QString) {
            const QString t = raw.toString().trimmed().toLower();
            return t == QLatin1String("1") || t == QLatin1String("true");
        }
        return raw.toBool();
    case QMetaType::Int:
        return raw.toInt();
    case QMetaType::LongLong:
        return raw.toLongLong();
    case QMetaType::QDateTime:
        return Connection::toDateTime(raw);
    case QMetaType::QDate:
        return Connection::toDateTime(raw).date();
    case QMetaType::QByteArray:
        return raw.toByteArray();
    case QMetaType::Double:
        return raw.toDouble();
    default:
        return raw.typeId() == QMetaType::QString ? raw : QVariant(raw.toString());
    }
}

void DataSet::fetch()
{
    m_rows.clear();
    if (m_source == Source::Memory) {
        m_fields = m_memoryFields;
        return;
    }
    if (!m_connection)
        throw DbError(QStringLiteral("Набор данных не связан с каталогом."));
    if (m_master) {
        for (const auto& [param, field] : m_masterLinks)
            m_params.set(param, m_master->isActive() ? m_master->value(field) : QVariant());
    }
    RowSet result;
    QList<QMetaType::Type> types;
    if (m_source == Source::Routine) {
        result = callRoutine(*m_connection, m_routine, m_params);
    } else {
        QString sql;
        if (m_source == Source::Table) {
            sql = QStringLiteral("SELECT * FROM ") + m_table;
            if (!m_filter.isEmpty())
                sql += QStringLiteral(" WHERE ") + m_filter;
            if (!m_orderBy.isEmpty())
                sql += QStringLiteral(" ORDER BY ") + m_orderBy;
        } else {
            sql = m_sql;
        }
        // Only the parameters the text names are bound; the rest are kept for later texts.
        Params bound;
        for (const Param& p : m_params) {
            const QString marker = QLatin1Char(':') + Params::bareName(p.name);
            if (sql.contains(marker, Qt::CaseInsensitive))
                bound << Param{Params::bareName(p.name), p.value};
        }
        QSqlQuery q = m_connection->query(sql, bound);
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i) {
            result.columns << rec.fieldName(i);
            types << QMetaType::Type(rec.field(i).metaType().id());
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < rec.count(); ++i)
                row << q.value(i);
            result.rows << row;
        }
    }
    if (types.isEmpty()) {
        for (qsizetype c = 0; c < result.columns.size(); ++c) {
            QMetaType::Type t = QMetaType::QString;
            for (const QVariantList& r : result.rows) {
                if (!r[c].isNull()) {
                    t = QMetaType::Type(r[c].typeId());
                    break;
                }
            }
            types << t;
        }
    }
    loadFields(result.columns, types);
    if (m_source == Source::Routine) {
        for (FieldDef& f : m_fields)
            f.readOnly = true;
    }
    m_rows.reserve(result.rows.size());
    for (QVariantList& values : result.rows) {
        for (qsizetype i = 0; i < values.size() && i < m_fields.size(); ++i)
            values[i] = convert(values[i], m_fields[i]);
        m_rows << Row{m_nextUid++, std::move(values)};
    }
}

void DataSet::open()
{
    if (isActive())
        close();
    fetch();
    applySort();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    setState(DataSetState::Browse);
    emit rowsReset();
    emit afterOpen();
    emit afterScroll();
}

void DataSet::close()
{
    if (!isActive())
        return;
    m_rows.clear();
    m_buffer.clear();
    m_current = -1;
    m_bof = m_eof = true;
    setState(DataSetState::Inactive);
    emit rowsReset();
    emit afterClose();
}

void DataSet::refresh()
{
    requireActive();
    if (isEditing())
        cancel();
    const int id = fieldIndex(QStringLiteral("ID"));
    const QVariant key = (id >= 0 && m_current >= 0) ? m_rows[m_current].values[id] : QVariant();
    const int position = m_current;
    fetch();
    applySort();
    m_current = m_rows.isEmpty() ? -1 : std::clamp(position, 0, int(m_rows.size()) - 1);
    if (!key.isNull()) {
        for (qsizetype r = 0; r < m_rows.size(); ++r) {
            if (m_rows[r].values[id] == key) {
                m_current = int(r);
                break;
            }
        }
    }
    m_bof = m_eof = m_rows.isEmpty();
    emit rowsReset();
    emit afterScroll();
}

FieldDef& DataSet::fieldDef(const QString& name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Поле \"%1\" не найдено.").arg(name));
    return m_fields[i];
}

int DataSet::fieldIndex(const QString& name) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QStringList DataSet::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : m_fields)
        names << f.name;
    return names;
}

void DataSet::setFieldDefault(const QString& name, const QString& expression)
{
    for (FieldDef& f : m_memoryFields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            f.defaultExpression = expression;
    }
    const int i = fieldIndex(name);
    if (i >= 0) {
        m_fields[i].defaultExpression = expression;
    } else if (m_source != Source::Memory) {
        // Not open yet: keep it for the fields the next open reads.
        FieldDef def;
        def.name = name;
        def.displayLabel = name;
        def.defaultExpression = expression;
        m_fields << def;
    }
}

void DataSet::setDisplayLabel(const QString& name, const QString& label)
{
    for (FieldDef& f : m_memoryFields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            f.displayLabel = label;
    }
    const int i = fieldIndex(name);
    if (i >= 0) {
        m_fields[i].displayLabel = label;
    } else if (m_source != Source::Memory) {
        FieldDef def;
        def.name = name;
        def.displayLabel = label;
        m_fields << def;
    }
}

QVariant DataSet::value(int index) const
{
    if (index < 0 || index >= m_fields.size())
        throw DbError(QStringLiteral("Нет поля с номером %1.").arg(index));
    if (isEditing())
        return m_buffer.value(index);
    if (m_current < 0)
        return QVariant(QMetaType(m_fields[index].type));
    return m_rows[m_current].values.value(index);
}

QVariant DataSet::value(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Поле \"%1\" не найдено.").arg(name));
    return value(i);
}

bool DataSet::isNull(const QString& name) const
{
    return value(name).isNull();
}

QVariant DataSet::rowValue(int row, int field) const
{
    if (isEditing() && row == m_current)
        return m_buffer.value(field);
    return m_rows.value(row).values.value(field);
}

void DataSet::setValue(int index, const QVariant& value)
{
    requireEditing();
    if (index < 0 || index >= m_fields.size())
        throw DbError(QStringLiteral("Нет поля с номером %1.").arg(index));
    const FieldDef& def = m_fields[index];
    if (def.readOnly)
        throw DbError(QStringLiteral("Поле \"%1\" только для чтения.").arg(def.displayLabel));
    m_buffer[index] = convert(value, def);
    if (m_current >= 0)
        emit rowChanged(m_current);
    emit fieldChanged(index);
}

void DataSet::setValue(const QString& name, const QVariant& value)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Поле \"%1\" не найдено.").arg(name));
    setValue(i, value);
}

void DataSet::scrolled()
{
    emit afterScroll();
}

void DataSet::first()
{
    requireActive();
    if (isEditing())
        post();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    scrolled();
}

void DataSet::last()
{
    requireActive();
    if (isEditing())
        post();
    m_current = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
    scrolled();
}

void DataSet::moveBy(int distance)
{
    requireActive();
    if (isEditing())
        post();
    if (m_rows.isEmpty()) {
        m_bof = m_eof = true;
        return;
    }
    const int target = m_current + distance;
    m_bof = target < 0;
    m_eof = target >= m_rows.size();
    m_current = std::clamp(target, 0, int(m_rows.size()) - 1);
    scrolled();
}

void DataSet::next()
{
    moveBy(1);
}

void DataSet::prior()
{
    moveBy(-1);
}

void DataSet::setCurrentRow(int row)
{
    requireActive();
    if (row < 0 || row >= m_rows.size() || row == m_current)
        return;
    if (isEditing())
        post();
    m_current = row;
    m_bof = m_eof = false;
    scrolled();
}

bool DataSet::locate(const QString& keyFields, const QVariantList& values, LocateOptions options)
{
    requireActive();
    const QStringList names = keyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<int> indexes;
    for (const QString& n : names) {
        const int i = fieldIndex(n.trimmed());
        if (i < 0)
            throw DbError(QStringLiteral("Поле \"%1\" не найдено.").arg(n.trimmed()));
        indexes << i;
    }
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        bool match = true;
        for (qsizetype k = 0; k < indexes.size() && match; ++k) {
            const QVariant& have = m_rows[r].values[indexes[k]];
            const QVariant want = values.value(k);
            if (want.isNull() || have.isNull()) {
                match = want.isNull() && have.isNull();
            } else if (m_fields[indexes[k]].type == QMetaType::QString) {
                const QString h = have.toString(), w = want.toString();
                match = options.partialKey ? h.startsWith(w, cs) : h.compare(w, cs) == 0;
            } else {
                match = compareValues(have, convert(want, m_fields[indexes[k]])) == 0;
            }
        }
        if (match) {
            if (isEditing())
                post();
            m_current = int(r);
            m_bof = m_eof = false;
            scrolled();
            return true;
        }
    }
    return false;
}

void DataSet::setIndexFieldNames(const QString& list)
{
    m_indexFieldNames = list;
    if (!isActive())
        return;
    const Bookmark here = bookmark();
    applySort();
    emit rowsReset();
    gotoBookmark(here);
}

void DataSet::applySort()
{
    const auto keys = parseIndexFields(m_indexFieldNames);
    if (keys.isEmpty())
        return;
    QList<QPair<int, bool>> cols;
    for (const auto& [name, desc] : keys) {
        const int i = fieldIndex(name);
        if (i < 0)
            throw DbError(QStringLiteral("Поле \"%1\" не найдено.").arg(name));
        cols << qMakePair(i, desc);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
        for (const auto& [c, desc] : cols) {
            const int r = compareValues(a.values[c], b.values[c]);
            if (r != 0)
                return desc ? r > 0 : r < 0;
        }
        return false;
    });
}

DataSet::Bookmark DataSet::bookmark() const
{
    return m_current >= 0 ? m_rows[m_current].uid : 0;
}

bool DataSet::gotoBookmark(Bookmark bookmark)
{
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        if (m_rows[r].uid == bookmark) {
            m_current = int(r);
            m_bof = m_eof = false;
            scrolled();
            return true;
        }
    }
    return false;
}

void DataSet::append()
{
    requireActive();
    if (isEditing())
        post();
    if (isReadOnly())
        throw DbError(QStringLiteral("Набор данных только для чтения."));
    m_insertAt = int(m_rows.size());
    m_buffer.clear();
    for (const FieldDef& f : m_fields)
        m_buffer << QVariant(QMetaType(f.type));
    m_original = m_buffer;
    setState(DataSetState::Insert);
    emit afterInsert();
}

void DataSet::insert()
{
    requireActive();
    if (isEditing())
        post();
    append();
    m_insertAt = m_current >= 0 ? m_current : 0;
}

void DataSet::edit()
{
    requireActive();
    if (isEditing())
        return;
    if (isReadOnly())
        throw DbError(QStringLiteral("Набор данных только для чтения."));
    if (m_current < 0)
        throw DbError(QStringLiteral("Нет записи для редактирования."));
    m_buffer = m_rows[m_current].values;
    m_original = m_buffer;
    setState(DataSetState::Edit);
}

QString DataSet::writeTable() const
{
    return m_source == Source::Memory ? QString() : m_updateTable;
}

void DataSet::writeInsert()
{
    const QString table = writeTable();
    if (table.isEmpty())
        return;
    const int idIndex = fieldIndex(QStringLiteral("ID"));
    QStringList columns, markers;
    Params params;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const FieldDef& f = m_fields[i];
        if (f.readOnly || m_buffer[i].isNull())
            continue;
        const QString p = QStringLiteral("p%1").arg(i);
        columns << quotedName(f.name);
        markers << QLatin1Char(':') + p;
        params << Param{p, m_buffer[i]};
    }
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")));
    if (columns.isEmpty())
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
    QVariant id;
    if (idIndex >= 0 && !m_buffer[idIndex].isNull()) {
        m_connection->execute(sql, params);
        id = m_buffer[idIndex];
    } else if (idIndex >= 0) {
        id = m_connection->insertReturningId(sql, params);
    } else {
        m_connection->execute(sql, params);
    }
    if (!id.isNull())
        rereadRow(id);
}

void DataSet::writeUpdate()
{
    const QString table = writeTable();
    if (table.isEmpty())
        return;
    const int idIndex = fieldIndex(QStringLiteral("ID"));
    if (idIndex < 0)
        throw DbError(QStringLiteral("Нельзя сохранить запись без поля ID."));
    QStringList sets;
    Params params;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const FieldDef& f = m_fields[i];
        if (f.readOnly || m_buffer[i] == m_original[i])
            continue;
        if (m_buffer[i].isNull() && m_original[i].isNull())
            continue;
        const QString p = QStringLiteral("p%1").arg(i);
        sets << quotedName(f.name) + QStringLiteral(" = :") + p;
        params << Param{p, m_buffer[i]};
    }
    if (sets.isEmpty())
        return;
    params << Param{QStringLiteral("keyID"), m_original[idIndex]};
    m_connection->execute(
        QStringLiteral("UPDATE %1 SET %2 WHERE ID = :keyID").arg(table, sets.join(QStringLiteral(", "))),
        params);
    rereadRow(m_buffer[idIndex]);
}

void DataSet::rereadRow(const QVariant& id)
{
    // Computed columns (names, keys, sort orders) change with the row: read it back.
    QSqlQuery q = m_connection->query(QStringLiteral("SELECT * FROM %1 WHERE ID = :ID").arg(writeTable()),
                                      {{QStringLiteral("ID"), id}});
    if (!q.next())
        return;
    const QSqlRecord rec = q.record();
    for (int c = 0; c < rec.count(); ++c) {
        const int i = fieldIndex(rec.fieldName(c));
        if (i >= 0)
            m_buffer[i] = convert(q.value(c), m_fields[i]);
    }
}

void DataSet::post()
{
    requireActive();
    if (!isEditing())
        return;
    emit beforePost();
    if (m_state == DataSetState::Insert) {
        writeInsert();
        const int at = std::clamp(m_insertAt, 0, int(m_rows.size()));
        m_rows.insert(at, Row{m_nextUid++, m_buffer});
        m_current = at;
        setState(DataSetState::Browse);
        emit rowInserted(at);
    } else {
        writeUpdate();
        m_rows[m_current].values = m_buffer;
        setState(DataSetState::Browse);
        emit rowChanged(m_current);
    }
    m_buffer.clear();
    m_bof = m_eof = false;
    emit afterPost();
    emit afterScroll();
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    const int row = m_current;
    m_buffer.clear();
    setState(DataSetState::Browse);
    if (row >= 0)
        emit rowChanged(row);
    emit afterScroll();
}

void DataSet::deleteRecord()
{
    requireActive();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (isEditing())
        cancel();
    if (m_current < 0)
        throw DbError(QStringLiteral("Нет записи для удаления."));
    if (isReadOnly())
        throw DbError(QStringLiteral("Набор данных только для чтения."));
    const QString table = writeTable();
    if (!table.isEmpty()) {
        const int idIndex = fieldIndex(QStringLiteral("ID"));
        if (idIndex < 0)
            throw DbError(QStringLiteral("Нельзя удалить запись без поля ID."));
        m_connection->execute(QStringLiteral("DELETE FROM %1 WHERE ID = :ID").arg(table),
                              {{QStringLiteral("ID"), m_rows[m_current].values[idIndex]}});
    }
    const int removed = m_current;
    // Views must see the row still there when told it goes, or they renumber their cursor wrongly.
    emit rowAboutToBeRemoved(removed);
    m_rows.removeAt(removed);
    // The cursor stays next to the deleted row: on the one after it, or the new last one.
    m_current = m_rows.isEmpty() ? -1 : std::min(removed, int(m_rows.size()) - 1);
    m_bof = m_eof = m_rows.isEmpty();
    emit rowRemoved(removed);
    emit afterDelete();
    emit afterScroll();
}

} // namespace vintora::db
