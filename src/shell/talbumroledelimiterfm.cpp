#include "shell/talbumroledelimiterfm.h"

#include "catalogue/tdmcomming.h"
#include "platform/db/dberror.h"
#include "shell/tcodbcheckbox.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tdmcommingactions.h"

#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vintora::shell {

namespace {
QPointer<TAlbumRoleDelimiterFM> g_window;

// Codes are the character's byte in the single-byte code page of the catalogue's texts.
int codeOf(QChar c)
{
    QStringEncoder enc("windows-1251");
    const QByteArray b = enc.encode(QString(c));
    return b.size() == 1 ? int(static_cast<unsigned char>(b[0])) : -1;
}

QString charOf(int code)
{
    QStringDecoder dec("windows-1251");
    return dec.decode(QByteArray(1, char(code)));
}
} // namespace

TAlbumRoleDelimiterFM::TAlbumRoleDelimiterFM(QWidget* parent)
    : TBASETableEditFM(parent)
{
    setWindowTitle(QStringLiteral("Разделитель"));
    laCaption->setText(QStringLiteral("Разделитель"));
    taTable->setTableName(QStringLiteral("DelimiterRole"));
    ui::GridColumn active{QStringLiteral("Active"), QStringLiteral("Использование"), 100};
    active.checkBox = true;
    grTable->setColumns({{QStringLiteral("Item"), QStringLiteral("Символ"), 80}, {QStringLiteral("Code"), QStringLiteral("Код"), 80}, active});
    edItem = new TcoDBEdit(pnEdit);
    edItem->setObjectName(QStringLiteral("edItem"));
    edItem->bind(dsTable, QStringLiteral("Item"));
    edCode = new TcoEdit(pnEdit);
    edCode->setObjectName(QStringLiteral("edCode"));
    cbActive = new TcoDBCheckBox(QStringLiteral("использование"), pnEdit);
    cbActive->setObjectName(QStringLiteral("cbActive"));
    cbActive->bind(dsTable, QStringLiteral("Active"));
    editFields->addRow(QStringLiteral("Символ"), edItem);
    editFields->addRow(QStringLiteral("Код"), edCode);
    editFields->addRow(QString(), cbActive);
    auto showCode = [this] {
        const bool row = taTable->isActive() && taTable->state() != db::DataSetState::Insert && taTable->recordCount() > 0;
        edCode->setText(row && !taTable->isNull(QStringLiteral("Code")) ? taTable->value(QStringLiteral("Code")).toString() : QString());
    };
    connect(taTable, &db::DataSet::afterScroll, this, showCode);
    connect(taTable, &db::DataSet::afterInsert, this, showCode);
    connect(edCode, &QLineEdit::textEdited, this, [this] {
        if (taTable->isActive() && !taTable->isEditing() && taTable->recordCount() > 0)
            taTable->edit();
    });
    connect(taTable, &db::DataSet::beforePost, this, [this] {
        const QString item = taTable->text(QStringLiteral("Item"));
        const QString want = itemForCode(item, edCode->text());
        if (want != item)
            taTable->setValue(QStringLiteral("Item"), want);
    });
    connect(taTable, &db::DataSet::afterPost, this, [] {
        if (auto* d = catalogue::TdmComming::instance())
            d->closeRuleTables();
    });
    openTable();
    if (auto* a = TdmCommingActions::instance())
        DisableOwnCommand(a->action(QStringLiteral("acDelimiterRole")));
}

TAlbumRoleDelimiterFM* TAlbumRoleDelimiterFM::instance()
{
    return g_window.data();
}

QString TAlbumRoleDelimiterFM::itemForCode(const QString& item, const QString& codeText)
{
    const QString text = codeText.trimmed();
    // An empty code box leaves the typed character (the catalogue derives its code); storing
    // character 0 instead would lose what was typed and put a NUL into the table.
    if (text.isEmpty()) {
        if (item.isEmpty())
            throw db::DbError(QStringLiteral("Введите символ или его код."));
        return item;
    }
    bool ok = false;
    const int code = text.toInt(&ok);
    const QString c = ok && code >= 1 && code <= 255 ? charOf(code) : QString();
    if (c.isEmpty() || c.at(0) == QChar::ReplacementCharacter)
        throw db::DbError(QStringLiteral("Код символа должен быть числом от 1 до 255 (символ кодовой страницы 1251)."));
    if (!item.isEmpty() && codeOf(item.at(0)) == code)
        return item;
    return c;
}

void ShowDelimiterRoleList()
{
    if (!g_window)
        g_window = new TAlbumRoleDelimiterFM;
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

} // namespace vintora::shell
