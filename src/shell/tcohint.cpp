#include "shell/tcohint.h"

#include "shell/tcocolors.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QToolTip>

namespace vintora::shell {

namespace {

QPointer<TcoHint> g_hint;

// The wake-up delay of hints is a style hint; this keeps the application's style otherwise.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TcoHint::WakeUpDelay;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 2000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TcoHint::TcoHint(QObject* parent)
    : QObject(parent)
    , m_window(new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus))
{
    m_window->setObjectName(QStringLiteral("hiMainWindow"));
    m_window->setWordWrap(true);
    m_window->setMargin(3);
    m_window->setTextFormat(Qt::PlainText);
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_hide.setSingleShot(true);
    connect(&m_hide, &QTimer::timeout, this, &TcoHint::hideText);
    applyLook();
    if (qApp) {
        if (!qobject_cast<QProxyStyle*>(QApplication::style()))
            QApplication::setStyle(new HintTimingStyle(QStyleFactory::create(QApplication::style()->name())));
        qApp->installEventFilter(this);
    }
    g_hint = this;
}

TcoHint::~TcoHint()
{
    delete m_window;
}

TcoHint* TcoHint::instance()
{
    return g_hint.data();
}

void TcoHint::applyLook()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(QApplication::font().pointSizeF());
    m_window->setFont(font);
    const QPalette app = QApplication::palette();
    const QColor back = SystemColor ? app.color(QPalette::ToolTipBase) : TcoColors::inputColor();
    const QColor fore = SystemColor ? app.color(QPalette::ToolTipText) : app.color(QPalette::WindowText);
    const QColor border = SystemColor ? app.color(QPalette::ToolTipText) : app.color(QPalette::Shadow);
    m_window->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid %3; }")
                                .arg(back.name(), fore.name(), border.name()));
    m_window->setWindowOpacity(AlphaBlend ? 220.0 / 255.0 : 1.0);
}

QPoint TcoHint::placeHint(const QPoint& pointer, const QSize& hint, const QRect& screen)
{
    const QPoint middle = screen.center();
    const bool upper = pointer.y() <= middle.y();
    const bool left = pointer.x() <= middle.x();
    const int gap = upper ? 6 : 3;
    const int x = left ? pointer.x() + gap : pointer.x() - gap - hint.width();
    const int y = upper ? pointer.y() + gap : pointer.y() - gap - hint.height();
    return {x, y};
}

void TcoHint::showText(const QPoint& globalPos, const QString& text, QWidget* over)
{
    if (text.isEmpty()) {
        hideText();
        return;
    }
    applyLook();
    // Hints are written with CR LF or CR alone between their lines.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_window->setText(lines);
    // Wrap only what is wider than the hint width.
    const QRect bound = m_window->fontMetrics().boundingRect(QRect(0, 0, HintWidth, 100000),
                                                             Qt::TextWordWrap, lines);
    const int width = bound.width() + 2 * (m_window->margin() + 1) + 2;
    const QSize size(width, m_window->heightForWidth(width));
    m_window->resize(size);
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = over ? over->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_window->move(placeHint(globalPos, size, area));
    m_window->show();
    m_hide.start(HideAfter);
}

void TcoHint::hideText()
{
    m_hide.stop();
    m_window->hide();
}

bool TcoHint::isShown() const
{
    return m_window->isVisible();
}

QWidget* TcoHint::window() const
{
    return m_window;
}

QString TcoHint::text() const
{
    return m_window->text();
}

void TcoHint::show(const QPoint& globalPos, const QString& text, QWidget* over)
{
    if (TcoHint* h = instance())
        h->showText(globalPos, text, over);
    else
        QToolTip::showText(globalPos, text, over);
}

bool TcoHint::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w == m_window)
            break;
        // A widget's own tool tip text (the way QWidget finds it); widgets that compute their
        // hints themselves (menus, grids) get the event.
        if (!w->toolTip().isEmpty()) {
            showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w);
            return true;
        }
        break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (m_window->isVisible() && watched != m_window)
            hideText();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vintora::shell
