#include "shell/trolesubstitutelistfm.h"

#include "catalogue/tdmcomming.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tdmcommingactions.h"
#include "text/stringhelpers.h"

#include <QFormLayout>
#include <QLabel>
#include <QPointer>

namespace vintora::shell {

namespace {
QPointer<TRoleSubstituteListFM> g_window;
}

TRoleSubstituteListFM::TRoleSubstituteListFM(QWidget* parent)
    : TBASETableEditFM(parent)
{
    setWindowTitle(QStringLiteral("Замена в ролях"));
    laCaption->setText(QStringLiteral("Замена в ролях"));
    taTable->setTableName(QStringLiteral("RoleSubstitute"), {}, QStringLiteral("Old"));
    grTable->setColumns({{QStringLiteral("Old"), QStringLiteral("Роль"), 100}, {QStringLiteral("New"), QStringLiteral("Замена"), 100}});
    edOld = new TcoDBEdit(pnEdit);
    edOld->setObjectName(QStringLiteral("edOld"));
    edOld->bind(dsTable, QStringLiteral("Old"));
    edNew = new TcoDBEdit(pnEdit);
    edNew->setObjectName(QStringLiteral("edNew"));
    edNew->bind(dsTable, QStringLiteral("New"));
    editFields->addRow(QStringLiteral("Роль"), edOld);
    editFields->addRow(QStringLiteral("Замена"), edNew);
    connect(taTable, &db::DataSet::afterPost, this, [] {
        if (auto* d = catalogue::TdmComming::instance())
            d->closeRuleTables();
    });
    openTable();
    grTable->setSortMarkers({{0, false}});
    if (auto* a = TdmCommingActions::instance())
        DisableOwnCommand(a->action(QStringLiteral("acRoleSubstitute")));
}

TRoleSubstituteListFM* TRoleSubstituteListFM::instance()
{
    return g_window.data();
}

QPair<QString, QString> TRoleSubstituteListFM::ruleFromText(const QString& text)
{
    const QString r = text::lowerCase(text::SquareToRound(text));
    QString replacement;
    const qsizetype open = r.indexOf(QLatin1Char('('));
    if (open >= 0) {
        const QString before = r.left(open);
        const qsizetype close = r.indexOf(QLatin1Char(')'), open + 1);
        const QString inside = close >= 0 ? r.mid(open + 1, close - open - 1) : r.mid(open + 1);
        replacement = (inside + QLatin1Char(' ') + before).trimmed();
    }
    return {r, replacement};
}

void TRoleSubstituteListFM::newRule(const QString& text)
{
    const auto [oldText, newText] = ruleFromText(text);
    SetEditing(true);
    taTable->append();
    taTable->setValue(QStringLiteral("Old"), oldText);
    if (!newText.isEmpty())
        taTable->setValue(QStringLiteral("New"), newText);
}

void ShowRoleSubstituteList(const QString& roleText)
{
    if (!g_window)
        g_window = new TRoleSubstituteListFM;
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    if (!roleText.isEmpty())
        g_window->newRule(roleText);
}

} // namespace vintora::shell
