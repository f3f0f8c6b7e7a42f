#pragma once
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

namespace vintora::os {

// The program key: per-user values of the collector ("Korvalen", "Vintora").
std::unique_ptr<QSettings> programSettings();

// A binary value of the program key; empty when the key or value is missing.
QByteArray readBinaryValue(const QString& name);
void writeBinaryValue(const QString& name, const QByteArray& value);

// Reads a value as the default's type; the default when the value is missing. A default of a
// kind that cannot be read raises "Не определенный (%d) тип переменной.".
QVariant readRegistryValue(const QString& group, const QString& name, const QVariant& fallback);

// Values written self-describing with their types (null, integer, floating point, date,
// boolean, text), read back until the first one that cannot be read.
QByteArray encodeValues(const QVariantList& values);
QVariantList decodeValues(const QByteArray& data);

} // namespace vintora::os
