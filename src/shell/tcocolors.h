#pragma once
#include <QColor>

class QWidget;

namespace vintora::shell {

// The one input colour of edits, grids and hints: between the button face and the window
// colour, 70 % of the way from the smaller component (a light tint of the button face on a
// white window), and a second one at 50 %. Read-only and disabled inputs take the button face.
class TcoColors {
public:
    // min(a, b) + nearest(part x |a - b|) for each of red, green and blue.
    static QColor blend(const QColor& buttonFace, const QColor& window, double part);
    static QColor inputColor();
    static QColor inputColor50();
    static QColor buttonFace();
    // Computes both colours from the application's palette (start-up; again after a theme change).
    static void recompute();
    // Colours a control's background for its state.
    static void applyInput(QWidget* widget, bool inactive);
};

} // namespace vintora::shell
