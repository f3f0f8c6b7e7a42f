#include "text/tsynonymdm.h"

#include "catalogue/tdmcomming.h"
#include "platform/db/connection.h"
#include "platform/db/routines.h"

#include <memory>

namespace vintora::text {

namespace {
struct Current {
    QPointer<catalogue::TdmComming> owner;
    std::unique_ptr<TSynonymDM> module;
};
Current& current()
{
    static Current c;
    return c;
}
} // namespace

TSynonymDM& TSynonymDM::instance()
{
    catalogue::TdmComming* dm = catalogue::TdmComming::instance();
    if (!dm)
        throw db::DbError(QStringLiteral("the synonym store needs the catalogue to be open"));
    Current& c = current();
    if (!c.module || c.owner != dm) {
        c.module = std::make_unique<TSynonymDM>(dm->cnVintora());
        c.owner = dm;
    }
    return *c.module;
}

int TSynonymDM::GetSynonym(const QString& key)
{
    const db::RowSet r = db::callRoutine(m_connection, QStringLiteral("ExecGetSynonym;1"), {{QStringLiteral("@VAL"), key}});
    return r.isEmpty() ? 0 : r.value(0, QStringLiteral("ID")).toInt();
}

void TSynonymDM::SetSynonym(int objectId, const QString& key)
{
    db::callRoutine(m_connection, QStringLiteral("ExecSetSynonym;1"),
                    {{QStringLiteral("@OBJ"), objectId}, {QStringLiteral("@VAL"), key}});
}

QString TSynonymDM::hexDigits(int value, int digits)
{
    return QString::number(quint32(value), 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString TSynonymDM::performerKey(const QString& text)
{
    return QStringLiteral("P|") + text;
}

QString TSynonymDM::albumKey(int performerId, const QString& recordYear, const QString& title)
{
    return QStringLiteral("A|") + hexDigits(performerId, 6) + QLatin1Char('|') + recordYear + QLatin1Char('|') + title;
}

QString TSynonymDM::genreKey(const QString& name)
{
    return QStringLiteral("G|") + name;
}

QString TSynonymDM::trackKey(int albumId, int number, const QString& title)
{
    return QStringLiteral("T|") + hexDigits(albumId, 6) + QLatin1Char('|') + hexDigits(number, 2) + QLatin1Char('|') + title;
}

QString TSynonymDM::firmKey(const QString& searchText)
{
    return QStringLiteral("S|") + searchText;
}

} // namespace vintora::text
