#include "platform/os/settings.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <stdexcept>

namespace vintora::os {

std::unique_ptr<QSettings> programSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Korvalen"), QStringLiteral("Vintora"));
}

QByteArray readBinaryValue(const QString& name)
{
    return programSettings()->value(name).toByteArray();
}

void writeBinaryValue(const QString& name, const QByteArray& value)
{
    auto s = programSettings();
    s->setValue(name, value);
    s->sync();
}

QVariant readRegistryValue(const QString& group, const QString& name, const QVariant& fallback)
{
    auto s = programSettings();
    const QString key = group.isEmpty() ? name : group + QLatin1Char('/') + name;
    if (!s->contains(key))
        return fallback;
    const QVariant stored = s->value(key);
    switch (fallback.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return stored.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return stored.toDouble();
    case QMetaType::QDateTime:
        return stored.toDateTime();
    case QMetaType::QString:
        return stored.toString();
    case QMetaType::Bool:
        return stored.toBool();
    default:
        throw std::runtime_error(
            QStringLiteral("Не определенный (%1) тип переменной.").arg(fallback.typeId()).toStdString());
    }
}

namespace {
enum Tag : quint8 { Null = 0, Integer = 1, Float = 2, Date = 3, Boolean = 4, Text = 5 };
}

QByteArray encodeValues(const QVariantList& values)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    for (const QVariant& v : values) {
        if (v.isNull()) {
            out << quint8(Null);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
            out << quint8(Integer) << qint64(v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            out << quint8(Float) << v.toDouble();
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            out << quint8(Date) << v.toDateTime();
            break;
        case QMetaType::Bool:
            out << quint8(Boolean) << v.toBool();
            break;
        default:
            out << quint8(Text) << v.toString();
        }
    }
    return data;
}

QVariantList decodeValues(const QByteArray& data)
{
    QVariantList values;
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    while (!in.atEnd()) {
        quint8 tag = 0;
        in >> tag;
        QVariant v;
        switch (tag) {
        case Null:
            break;
        case Integer: {
            qint64 n = 0;
            in >> n;
            v = (n >= INT_MIN && n <= INT_MAX) ? QVariant(int(n)) : QVariant(n);
            break;
        }
        case Float: {
            double d = 0;
            in >> d;
            v = d;
            break;
        }
        case Date: {
            QDateTime dt;
            in >> dt;
            v = dt;
            break;
        }
        case Boolean: {
            bool b = false;
            in >> b;
            v = b;
            break;
        }
        case Text: {
            QString t;
            in >> t;
            v = t;
            break;
        }
        default:
            return values;
        }
        if (in.status() != QDataStream::Ok)
            return values;
        // A null that was stored still counts as a value read.
        values << (tag == Null ? QVariant(QMetaType(QMetaType::Nullptr)) : v);
    }
    return values;
}

} // namespace vintora::os
