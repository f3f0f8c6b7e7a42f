#include "platform/ui/layoutstore.h"

#include "platform/os/settings.h"

#include <QDataStream>
#include <QIODevice>
#include <QWidget>

namespace vintora::ui {

QVariantMap LayoutStore::read(const QString& section)
{
    const QByteArray data = os::readBinaryValue(section);
    QVariantMap values;
    if (data.isEmpty())
        return values;
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_4);
    in >> values;
    if (in.status() != QDataStream::Ok)
        return {};
    return values;
}

void LayoutStore::write(const QString& section, const QVariantMap& values)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << values;
    os::writeBinaryValue(section, data);
}

QVariantMap LayoutStore::windowProperties(const QWidget* window)
{
    // The normal geometry, so a maximised window comes back to its own size when restored.
    const QRect g = window->isMaximized() || window->isMinimized() ? window->normalGeometry() : window->geometry();
    QVariantMap v;
    v.insert(QStringLiteral("Height"), g.height());
    v.insert(QStringLiteral("Left"), g.left());
    v.insert(QStringLiteral("Top"), g.top());
    v.insert(QStringLiteral("Width"), g.width());
    v.insert(QStringLiteral("WindowState"), window->isMaximized() ? 2 : (window->isMinimized() ? 1 : 0));
    return v;
}

void LayoutStore::applyWindowProperties(QWidget* window, const QVariantMap& values)
{
    if (values.contains(QStringLiteral("Width")) && values.contains(QStringLiteral("Height")))
        window->resize(values.value(QStringLiteral("Width")).toInt(), values.value(QStringLiteral("Height")).toInt());
    if (values.contains(QStringLiteral("Left")) && values.contains(QStringLiteral("Top")))
        window->move(values.value(QStringLiteral("Left")).toInt(), values.value(QStringLiteral("Top")).toInt());
    if (values.value(QStringLiteral("WindowState")).toInt() == 2)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

} // namespace vintora::ui
