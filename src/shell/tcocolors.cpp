#include "shell/tcocolors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace vintora::shell {

namespace {
QColor g_input;
QColor g_input50;
} // namespace

QColor TcoColors::blend(const QColor& buttonFace, const QColor& window, double part)
{
    // Halves round up; the small allowance keeps 0.7 x 55 (38.4999... in binary) at 39.
    auto mix = [part](int a, int b) { return std::min(a, b) + int(std::floor(part * std::abs(a - b) + 0.5 + 1e-9)); };
    return QColor(mix(buttonFace.red(), window.red()), mix(buttonFace.green(), window.green()),
                  mix(buttonFace.blue(), window.blue()));
}

QColor TcoColors::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void TcoColors::recompute()
{
    const QPalette p = QApplication::palette();
    g_input = blend(p.color(QPalette::Button), p.color(QPalette::Base), 0.7);
    g_input50 = blend(p.color(QPalette::Button), p.color(QPalette::Base), 0.5);
}

QColor TcoColors::inputColor()
{
    if (!g_input.isValid())
        recompute();
    return g_input;
}

QColor TcoColors::inputColor50()
{
    if (!g_input50.isValid())
        recompute();
    return g_input50;
}

void TcoColors::applyInput(QWidget* widget, bool inactive)
{
    QPalette p = widget->palette();
    const QColor c = inactive ? buttonFace() : inputColor();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, c);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace vintora::shell
