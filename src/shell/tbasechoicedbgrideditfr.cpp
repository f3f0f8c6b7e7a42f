#include "shell/tbasechoicedbgrideditfr.h"

#include "platform/db/dbhelpers.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbgrideh.h"
#include "text/stringhelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vintora::shell {

TBASEChoiceDBGridEditFR::TBASEChoiceDBGridEditFR(QWidget* owner, int option, bool topLeft,
                                                 std::function<void(const QVariant& key)> afterClose)
    : TBASEChoiceDBGridFR(owner), m_option(option)
{
    resize(488, 259);
    setAnchors(topLeft ? (Qt::TopEdge | Qt::LeftEdge) : (Qt::BottomEdge | Qt::RightEdge));
    onAfterClose = std::move(afterClose);
    keyField = QStringLiteral("ID");

    edFind = new QLineEdit(this);
    edFind->setObjectName(QStringLiteral("edFind"));
    edFind->setClearButtonEnabled(true);
    content->insertWidget(content->indexOf(grChoice), edFind);

    // Search frames only choose.
    for (QAction* a : {acInsert, acEdit, acDelete}) {
        alChoice->setRule(a, [](QAction* x) { x->setVisible(false); });
        a->setVisible(false);
    }
    grChoice->horizontalHeader()->hide();
    grChoice->setTitleSort(false);
    // The routine's Name column is the title of the row.
    grChoice->setColumns({{QStringLiteral("Name"), QString(), 0}});

    acStartOver = alChoice->add(QStringLiteral("acStartOver"), QStringLiteral("С начала"));
    acPastFind = alChoice->add(QStringLiteral("acPastFind"), QStringLiteral("Вставить"));
    acPastFind->setToolTip(QStringLiteral("Искать текст из буфера обмена."));
    alChoice->setRule(acStartOver, [this](QAction* a) {
        a->setVisible(!m_initialText.isEmpty() && m_initialText != edFind->text());
    });
    // The clipboard is asked when it changes, not at every pause of the event loop.
    updatePastFind();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TBASEChoiceDBGridEditFR::updatePastFind);
    acStartOver->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolFirst));
    acPastFind->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolFind));
    btStartOver = new TcoButton(this);
    btStartOver->setDefaultAction(acStartOver);
    btStartOver->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btStartOver->setObjectName(QStringLiteral("btStartOver"));
    btPastFind = new TcoButton(this);
    btPastFind->setDefaultAction(acPastFind);
    btPastFind->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btPastFind->setObjectName(QStringLiteral("btPastFind"));
    connect(acStartOver, &QAction::changed, btStartOver,
            [this] { btStartOver->setVisible(acStartOver->isVisible()); });
    blButton->insertWidget(0, btStartOver);
    blButton->insertWidget(1, btPastFind);

    connect(acStartOver, &QAction::triggered, this, [this] { edFind->setText(m_initialText); });
    connect(acPastFind, &QAction::triggered, this, [this] { edFind->setText(text::GetClipboardText()); });
    connect(edFind, &QLineEdit::textChanged, this, [this] {
        search();
        alChoice->update();
    });
}

void TBASEChoiceDBGridEditFR::updatePastFind()
{
    bool any = false;
    try {
        any = !text::GetClipboardText().isEmpty();
    } catch (...) {
        any = false; // a clipboard that cannot be read offers nothing
    }
    acPastFind->setEnabled(any);
}

void TBASEChoiceDBGridEditFR::setSearchRoutine(const QString& routine, const QString& input)
{
    taChoice->setRoutine(routine);
    taChoice->params().clear();
    taChoice->setParam(input, QVariant());
}

void TBASEChoiceDBGridEditFR::setInitialText(const QString& text)
{
    m_initialText = text;
    if (edFind->text() == text)
        search();
    else
        edFind->setText(text); // searches
    alChoice->update();
}

void TBASEChoiceDBGridEditFR::search()
{
    const QString text = edFind->text().trimmed();
    db::openWithParams(*taChoice, {text.isEmpty() ? blankSearchText() : text});
}

} // namespace vintora::shell
