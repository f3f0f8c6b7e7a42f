#include "shell/tbaseeditinfofr.h"

#include "catalogue/tdmcomming.h"

namespace vintora::shell {

TBASEEditInfoFR::TBASEEditInfoFR(QWidget* owner, SavedKey savedKey) : TBASEEditFR(owner, std::move(savedKey))
{
    auto* cat = catalogue::TdmComming::instance();
    taInfo = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taInfo->setObjectName(QStringLiteral("taInfo"));
    taInfo->setReadOnly(true);
    dsInfo = new ui::DataSource(taInfo, this);
    hookRowRules(taInfo);
}

} // namespace vintora::shell
