#pragma once
#include "platform/db/dataset.h"

class QObject;

namespace vintora::db {

// The value name of remembered values: the owner's class name without its first character and
// its last two, the component's name without its first two, then "Default"
// (TAlbumEditFR + taData gives AlbumEditDataDefault).
QString defaultsValueName(const QString& ownerClassName, const QString& componentName);
QString defaultsValueName(const QObject* owner, const QObject* component);

// While inserting: the fields with a default expression take the remembered values in field
// order; a field without a readable value takes today (date fields) or its default expression.
void loadFieldDefaults(DataSet& dataSet, const QString& valueName);
// After a post: remembers the values of the same fields.
void saveFieldDefaults(const DataSet& dataSet, const QString& valueName);

} // namespace vintora::db
