#pragma once
#include <QString>
#include <QVariantMap>

class QWidget;

namespace vintora::ui {

// A window's or frame's layout: named properties kept as one binary value of the program key,
// named by the section.
class LayoutStore {
public:
    static QVariantMap read(const QString& section);
    static void write(const QString& section, const QVariantMap& values);

    // The base five properties of a window: Height, Left, Top, Width, WindowState.
    static QVariantMap windowProperties(const QWidget* window);
    static void applyWindowProperties(QWidget* window, const QVariantMap& values);
};

} // namespace vintora::ui
