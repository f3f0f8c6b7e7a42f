#include "shell/tbasequeryfr.h"

#include "platform/db/fielddefaults.h"
#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEQueryFR::TBASEQueryFR(QWidget* owner, std::function<void()> onGo)
    : TBASERootFR(owner), m_onGo(std::move(onGo))
{
    taQuery = new db::TcoPTable(this);
    taQuery->setObjectName(QStringLiteral("taQuery"));
    db::FieldDef kind;
    kind.name = QStringLiteral("Kind");
    kind.displayLabel = QStringLiteral("Kind");
    kind.type = QMetaType::Int;
    kind.defaultExpression = QStringLiteral("0");
    taQuery->addField(kind);
    dsQuery = new ui::DataSource(taQuery, this);

    btCancel->setToolTip(QStringLiteral("Выход (не изменять фильтр)."));
    btGo = new TcoButton(QStringLiteral("Установить"), TBASEDataDM::ToolPost, this);
    btGo->setObjectName(QStringLiteral("btGo"));
    btGo->setToolTip(QStringLiteral("Установить фильтр\r\nпо введённым значениям параметров."));
    btGo->setFixedSize(95, 24);
    btGo->setEnabled(bool(m_onGo));
    blButton->insertWidget(blButton->count() - 1, btGo);
    connect(btGo, &QToolButton::clicked, this, &TBASEQueryFR::go);
}

void TBASEQueryFR::LoadParameters()
{
    // The value is named after the descendant, known only once it is constructed.
    taQuery->setValueName(db::defaultsValueName(this, taQuery));
    taQuery->loadParameters();
    m_loaded = true;
}

void TBASEQueryFR::OpenFrame()
{
    if (!m_loaded)
        LoadParameters();
    TBASERootFR::OpenFrame();
}

void TBASEQueryFR::go()
{
    if (taQuery->isEditing())
        taQuery->post();
    taQuery->saveParameters();
    if (m_onGo)
        m_onGo();
    CloseFrame();
}

} // namespace vintora::shell
