#include "shell/tbaseeditfr.h"

#include "catalogue/tdmcomming.h"
#include "platform/db/fielddefaults.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vintora::shell {

TBASEEditFR::TBASEEditFR(QWidget* owner, SavedKey savedKey)
    : TBASERootFR(owner)
    , onSavedKey(std::move(savedKey))
{
    auto* cat = catalogue::TdmComming::instance();
    taData = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taData->setObjectName(QStringLiteral("taData"));
    dsData = new ui::DataSource(taData, this);
    laTitle = makeTitle(QStringLiteral("Заголовок"));
    content->insertWidget(0, laTitle);

    btSave = new TcoButton(QStringLiteral("Сохранить"), TBASEDataDM::ToolSave, this);
    btSave->setObjectName(QStringLiteral("btSave"));
    btSave->setToolTip(QStringLiteral("Записать введённые данные."));
    btSave->setFixedSize(90, 24);
    btSave->setEnabled(false);
    blButton->insertWidget(1, btSave);
    connect(btSave, &QToolButton::clicked, this, &TBASEEditFR::save);

    connect(dsData, &ui::DataSource::stateChanged, this, [this] { btSave->setEnabled(taData->isEditing()); });
    hookRowRules(taData);
}

void TBASEEditFR::hookRowRules(db::DataSet* dataSet)
{
    connect(dataSet, &db::DataSet::beforePost, this, [dataSet] {
        for (int i = 0; i < dataSet->fieldCount(); ++i) {
            const db::FieldDef& f = dataSet->fieldDef(i);
            if (f.type == QMetaType::QString && !f.readOnly && !dataSet->value(i).isNull() && dataSet->value(i).toString().isEmpty())
                dataSet->setValue(i, QVariant());
        }
    });
    connect(dataSet, &db::DataSet::afterInsert, this,
            [this, dataSet] { db::loadFieldDefaults(*dataSet, db::defaultsValueName(this, dataSet)); });
    connect(dataSet, &db::DataSet::afterPost, this,
            [this, dataSet] { db::saveFieldDefaults(*dataSet, db::defaultsValueName(this, dataSet)); });
}

void TBASEEditFR::save()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        taData->post();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw; // the frame stays open; the reporter shows why
    }
    if (onAfterSave)
        onAfterSave();
    else if (onSavedKey && taData->fieldCount() > 0)
        onSavedKey(taData->value(0));
    try {
        taData->close();
    } catch (...) {
    }
    CloseFrame();
    QApplication::restoreOverrideCursor();
}

void TBASEEditFR::cancelClicked()
{
    if (taData->isActive())
        taData->cancel();
    taData->close();
    if (onAfterCancel)
        onAfterCancel();
    CloseFrame();
}

} // namespace vintora::shell
