#include "shell/tbaserootfr.h"

#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QVBoxLayout>

namespace vintora::shell {

TBASERootFR::TBASERootFR(QWidget* owner, std::function<void()> onClose)
    : QFrame(owner)
    , m_onClose(std::move(onClose))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(4, 4, 4, 4);
    content = new QVBoxLayout;
    all->addLayout(content, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    all->addWidget(line);
    blButton = new QHBoxLayout;
    blButton->addStretch();
    btCancel = new TcoButton(QString(), TBASEDataDM::ToolCancel, this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setToolTip(QStringLiteral("Выход."));
    btCancel->setFixedSize(24, 24);
    blButton->addWidget(btCancel);
    all->addLayout(blButton);
    connect(btCancel, &QToolButton::clicked, this, [this] { cancelClicked(); });
    hide();
}

int TBASERootFR::topOffset() const
{
    if (auto* w = qobject_cast<QMainWindow*>(parentWidget())) {
        for (QToolBar* t : w->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
            if (t->isVisible())
                return t->geometry().bottom() + 1;
        }
    }
    return 0;
}

void TBASERootFR::OpenFrame()
{
    // Named after the descendant's class and a serial number, so several can coexist.
    if (objectName().isEmpty()) {
        static int serial = 0;
        const QString cls = QString::fromLatin1(metaObject()->className());
        setObjectName(cls.mid(cls.lastIndexOf(QLatin1Char(':')) + 1) + QString::number(++serial));
    }
    QWidget* p = parentWidget();
    if (sizeHint().height() > height() || sizeHint().width() > width())
        resize(std::max(width(), sizeHint().width()), std::max(height(), sizeHint().height()));
    p->setMinimumSize(std::max(p->minimumWidth(), width() + 10), std::max(p->minimumHeight(), height() + topOffset() + 10));
    setGeometry(ui::FrameLock::place(geometry(), p->size(), m_anchors, topOffset()));
    m_lock.lock(p, this);
    show();
    raise();
    setFocus();
}

void TBASERootFR::CloseFrame()
{
    m_lock.unlock();
    hide();
    QApplication::processEvents();
    if (m_onClose)
        m_onClose();
    m_lock.restoreFocus();
}

void TBASERootFR::cancelClicked()
{
    CloseFrame();
}

QLabel* TBASERootFR::makeTitle(const QString& text)
{
    auto* title = new QLabel(text, this);
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    QPalette p = title->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    p.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    title->setPalette(p);
    return title;
}

} // namespace vintora::shell
