#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class QWidget;

namespace vintora::shell {

// The program's hint window, in place of the standard tool tips: flat, in the input colour with
// a frame-coloured border (or the system's tool-tip colours), wrapped at HintWidth, slightly
// transparent, placed beside the pointer towards the middle of the screen and hidden after
// ten seconds. One lives on the hidden main form and serves every widget's tool tip.
class TcoHint : public QObject {
    Q_OBJECT
public:
    explicit TcoHint(QObject* parent = nullptr);
    ~TcoHint() override;
    // The one installed on the application, if any.
    static TcoHint* instance();

    int HintWidth = 500;
    bool AlphaBlend = true;
    bool SystemColor = false;
    static constexpr int WakeUpDelay = 500;
    static constexpr int HideAfter = 10000;

    // Shows a hint for the pointer at globalPos; an empty text hides it.
    void showText(const QPoint& globalPos, const QString& text, QWidget* over = nullptr);
    void hideText();
    bool isShown() const;
    QWidget* window() const;
    QString text() const;

    // Where a hint of the given size goes for a pointer on a screen: below and right of the
    // pointer in the upper left quarter, below and left in the upper right, above and right in
    // the lower left, above and left in the lower right.
    static QPoint placeHint(const QPoint& pointer, const QSize& hint, const QRect& screen);

    // A hint for a widget's tool tip through the program's window, or through the standard one
    // when no TcoHint is installed.
    static void show(const QPoint& globalPos, const QString& text, QWidget* over);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();

    QLabel* m_window;
    QTimer m_hide;
};

} // namespace vintora::shell
