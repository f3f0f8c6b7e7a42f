#include "shell/tbasemruchoicefr.h"

#include "platform/db/dbhelpers.h"
#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace vintora::shell {

TBASEMRUChoiceFR::TBASEMRUChoiceFR(QWidget* owner) : TBASERootFR(owner)
{
    resize(619, 346);
    taMRU = new db::DataSet(nullptr, this);
    taMRU->setObjectName(QStringLiteral("taMRU"));
    // ID only serves the delete; the list shows the names.
    taMRU->setSql(QStringLiteral(
        "select ID, Name from MRUList\r\n  where Unit = :Un and Name >= :Nm\r\n  order by Name LIMIT 20"));
    taMRU->setReadOnly(true);
    taMRU->setParam(QStringLiteral("Un"), QString());
    taMRU->setParam(QStringLiteral("Nm"), QString());
    dsMRU = new ui::DataSource(taMRU, this);

    laTitle = makeTitle(QString());
    content->addWidget(laTitle);
    edField = new TcoDBEdit(this);
    edField->setObjectName(QStringLiteral("edField"));
    content->addWidget(edField);
    grChoice = new TcoDBGridEh(this);
    grChoice->setObjectName(QStringLiteral("grChoice"));
    grChoice->setDataSource(dsMRU);
    grChoice->setColumns({{QStringLiteral("Name"), QString(), 0}});
    grChoice->horizontalHeader()->hide();
    grChoice->setTitleSort(false);
    content->addWidget(grChoice, 1);

    btChoice = new TcoButton(QStringLiteral("Ввести"), TBASEDataDM::ToolPost, this);
    btChoice->setObjectName(QStringLiteral("btChoice"));
    btAppend = new TcoButton(QStringLiteral("Удалить"), TBASEDataDM::ToolDelete, this);
    btAppend->setObjectName(QStringLiteral("btAppend"));
    blButton->insertWidget(0, btAppend);
    blButton->insertWidget(2, btChoice);

    connect(grChoice, &TcoDBGridEh::rowDoubleClicked, this, &TBASEMRUChoiceFR::chooseCurrent);
    connect(btChoice, &QToolButton::clicked, this, [this] { CloseFrame(); }); // the field holds the value
    connect(btAppend, &QToolButton::clicked, this, &TBASEMRUChoiceFR::deleteCurrent);
    connect(edField, &QLineEdit::textChanged, this, [this](const QString& text) {
        // One or two characters say too little to narrow the list.
        if (!m_opening && isOpen() && text.size() > 2)
            requery(text);
    });
}

void TBASEMRUChoiceFR::requery(const QString& from)
{
    // An empty field lists from the start: a null text would compare as unknown and list nothing.
    db::openWithParams(*taMRU, {m_unit, from.isNull() ? QStringLiteral("") : from});
}

void TBASEMRUChoiceFR::Open(const QString& unit, TcoDBEdit* edit)
{
    ui::FieldLink* link = edit->link();
    m_unit = unit;
    m_source = link->dataSource();
    m_field = link->fieldName();
    laTitle->setText(link->displayLabel());
    m_openValue = link->value();
    taMRU->setConnection(link->dataSet() ? link->dataSet()->connection() : nullptr);
    requery(m_openValue.toString());
    m_opening = true;
    edField->bind(m_source, m_field);
    m_opening = false;
    OpenFrame();
    edField->setFocus();
}

void TBASEMRUChoiceFR::chooseCurrent()
{
    if (!taMRU->isActive() || taMRU->isEmpty() || !m_source || !m_source->dataSet())
        return;
    db::DataSet& target = *m_source->dataSet();
    db::ensureEditing(target);
    target.setValue(m_field, taMRU->value(QStringLiteral("Name")));
    edField->setFocus();
}

void TBASEMRUChoiceFR::deleteCurrent()
{
    if (!taMRU->isActive() || taMRU->isEmpty())
        return;
    db::deleteByKey(*taMRU, QStringLiteral("MRUList"), QStringLiteral("ID"));
    taMRU->refresh();
}

void TBASEMRUChoiceFR::cancelClicked()
{
    if (m_source && m_source->dataSet() && m_source->dataSet()->isEditing())
        m_source->dataSet()->setValue(m_field, m_openValue);
    CloseFrame();
}

void OpenMRUChoice(const QString& unit, TcoDBEdit* edit)
{
    QWidget* window = edit->window();
    auto* frame = window->findChild<TBASEMRUChoiceFR*>(QString(), Qt::FindDirectChildrenOnly);
    if (!frame) {
        frame = new TBASEMRUChoiceFR(window);
        static int serial = 0;
        frame->setObjectName(QStringLiteral("MRU") + QString::number(++serial));
    }
    frame->Open(unit, edit);
}

} // namespace vintora::shell
