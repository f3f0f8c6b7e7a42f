#include "shell/tsubstitutelistfm.h"

#include "catalogue/tdmcomming.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tdmcommingactions.h"

#include <QFormLayout>
#include <QLabel>

namespace vintora::shell {

namespace {
QPointer<TSubstituteListFM> g_window;
}

TSubstituteListFM::TSubstituteListFM(QWidget* parent)
    : TBASETableEditFM(parent)
{
    setWindowTitle(QStringLiteral("Замена в названиях"));
    laCaption->setText(QStringLiteral("Замена в названиях"));
    taTable->setTableName(QStringLiteral("Substitute"), {}, QStringLiteral("Old"));
    grTable->setColumns({{QStringLiteral("Old"), QStringLiteral("Слово"), 100}, {QStringLiteral("New"), QStringLiteral("Замена"), 100}});
    edOld = new TcoDBEdit(pnEdit);
    edOld->setObjectName(QStringLiteral("edOld"));
    edOld->bind(dsTable, QStringLiteral("Old"));
    edNew = new TcoDBEdit(pnEdit);
    edNew->setObjectName(QStringLiteral("edNew"));
    edNew->bind(dsTable, QStringLiteral("New"));
    editFields->addRow(QStringLiteral("Слово"), edOld);
    editFields->addRow(QStringLiteral("Замена"), edNew);
    // The title rules keep this table open; a saved change must reach them.
    connect(taTable, &db::DataSet::afterPost, this, [] {
        if (auto* d = catalogue::TdmComming::instance())
            d->closeRuleTables();
    });
    openTable();
    grTable->setSortMarkers({{0, false}});
    if (auto* a = TdmCommingActions::instance())
        DisableOwnCommand(a->action(QStringLiteral("acSubstitute")));
}

TSubstituteListFM::~TSubstituteListFM() = default;

TSubstituteListFM* TSubstituteListFM::instance()
{
    return g_window.data();
}

void ShowSubstituteList()
{
    if (!g_window)
        g_window = new TSubstituteListFM;
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

} // namespace vintora::shell
