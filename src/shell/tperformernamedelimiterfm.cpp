#include "shell/tperformernamedelimiterfm.h"

#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tdmcommingactions.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>

namespace vintora::shell {

namespace {
QPointer<TPerformerNameDelimiterFM> g_window;
}

TPerformerNameDelimiterFM::TPerformerNameDelimiterFM(QWidget* parent)
    : TBASETableEditFM(parent)
{
    setWindowTitle(QStringLiteral("Разделитель"));
    laCaption->setText(QStringLiteral("Разделитель"));
    taTable->setTableName(QStringLiteral("DelimiterName"));
    grTable->setColumns({{QStringLiteral("Delimiter"), QString(), 100}});
    grTable->horizontalHeader()->hide();
    edDelimiter = new TcoDBEdit(pnEdit);
    edDelimiter->setObjectName(QStringLiteral("edDelimiter"));
    edDelimiter->bind(dsTable, QStringLiteral("Delimiter"));
    editFields->addRow(QStringLiteral("Символ"), edDelimiter);
    openTable();
    if (auto* a = TdmCommingActions::instance())
        DisableOwnCommand(a->action(QStringLiteral("acDelimiterPerformerName")));
}

TPerformerNameDelimiterFM* TPerformerNameDelimiterFM::instance()
{
    return g_window.data();
}

void ShowDelimiterNameList()
{
    if (!g_window)
        g_window = new TPerformerNameDelimiterFM;
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

} // namespace vintora::shell
