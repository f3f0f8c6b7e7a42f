#pragma once
#include "platform/db/params.h"
#include "platform/db/rowset.h"

#include <QHash>
#include <functional>

namespace vintora::db {

class Connection;

// The inputs of one routine call: "@XX" values by name, each with the call's default.
class RoutineArgs {
public:
    explicit RoutineArgs(Params params) : m_params(std::move(params)) {}
    bool isNull(const QString& name) const { return m_params.value(name).isNull(); }
    QVariant value(const QString& name, const QVariant& fallback = {}) const;
    int integer(const QString& name, int fallback = 0) const;
    bool flag(const QString& name, bool fallback = false) const;
    QString text(const QString& name, const QString& fallback = {}) const;
    const Params& params() const { return m_params; }

private:
    Params m_params;
};

// A routine of the catalogue: C++ code registered under the name the windows call it by, so
// the same code serves SQLite and PostgreSQL. It returns rows, or an empty RowSet when it only
// changes data.
using Routine = std::function<RowSet(Connection&, const RoutineArgs&)>;

class RoutineRegistry {
public:
    static RoutineRegistry& instance();
    void add(const QString& name, Routine routine);
    bool contains(const QString& name) const;
    // Calls by name; "Name;1" and "Name" are the same routine. Throws DbError for an unknown name.
    RowSet call(Connection& connection, const QString& name, const Params& args) const;
    QStringList names() const;

    static QString bareName(const QString& name);

private:
    QHash<QString, Routine> m_routines;
};

inline RowSet callRoutine(Connection& connection, const QString& name, const Params& args = {})
{
    return RoutineRegistry::instance().call(connection, name, args);
}

} // namespace vintora::db
