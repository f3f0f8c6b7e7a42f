#pragma once
#include <QList>
#include <QString>
#include <QVariant>

namespace vintora::db {

// One named value bound to ":Name" in an SQL text or to "@XX" of a routine.
struct Param {
    QString name;
    QVariant value;
};

// Parameters in the order they were given: Params{{u"ID"_s, 5}, {u"Name"_s, text}}.
class Params : public QList<Param> {
public:
    using QList<Param>::QList;

    // The value of the parameter named name ("@" prefixes are ignored, case-insensitive);
    // an invalid QVariant when absent.
    QVariant value(const QString& name) const;
    bool contains(const QString& name) const;
    // Sets or adds the parameter.
    void set(const QString& name, const QVariant& value);

    static QString bareName(const QString& name);
};

} // namespace vintora::db
