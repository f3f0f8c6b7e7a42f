#include "catalogue/tdmcomming.h"

#include "catalogue/migrator.h"
#include "catalogue/routines.h"
#include "platform/db/routines.h"
#include "platform/os/system.h"

#include <QPointer>

namespace vintora::catalogue {

namespace {
QPointer<TdmComming>& current()
{
    static QPointer<TdmComming> module;
    return module;
}
} // namespace

TdmComming::TdmComming(const QString& url, QObject* parent) : TdmComming(openCatalogue(url), parent) {}

TdmComming::TdmComming(std::unique_ptr<db::Connection> connection, QObject* parent)
    : QObject(parent), m_connection(std::move(connection))
{
    registerRoutines();
    current() = this;
}

TdmComming::~TdmComming()
{
    // Data sets go before the connection they read through.
    m_substitute.reset();
    m_roleSubst.reset();
    m_delimiter.reset();
}

TdmComming* TdmComming::instance()
{
    return current();
}

int TdmComming::GetEmptyID(const QString& kind)
{
    return m_connection->emptyId(kind.isEmpty() ? QStringLiteral("P") : kind);
}

int TdmComming::CloneAlbum(int albumId)
{
    const db::RowSet r = db::callRoutine(*m_connection, QStringLiteral("ExecAlbumCopy;1"), {{QStringLiteral("@AL"), albumId}});
    return r.isEmpty() ? 0 : r.value(0, QStringLiteral("ID")).toInt();
}

void TdmComming::CopyAlbumFromMaster(int albumId)
{
    db::callRoutine(*m_connection, QStringLiteral("ExecAlbumCopyFromMaster;1"), {{QStringLiteral("@ALB"), albumId}});
}

void TdmComming::DeleteSynonyms(int objectId, const QString& kind)
{
    db::callRoutine(*m_connection, QStringLiteral("ExecDelSynonym;1"),
                    {{QStringLiteral("@OBJ"), objectId}, {QStringLiteral("@VAL"), kind}});
}

QColor TdmComming::LastPlayColor(const QColor& gridColor, const QDateTime& date, const QDateTime& now)
{
    // An empty date counts as very old.
    if (!date.isValid())
        return QColor(255, 221, 221);
    const double days = std::abs(double(date.msecsTo(now)) / 86400000.0);
    const long long years = static_cast<long long>(days / 365.25);
    const long long months = static_cast<long long>(days / 30.4375);
    if (years > 2)
        return QColor(255, 221, 221);
    if (years > 0)
        return QColor(255, 255, 221);
    if (months > 6)
        return QColor(192, 220, 192);
    return gridColor;
}

QString TdmComming::BuildVersionHint()
{
    QString hint = QStringLiteral("Версия программы.\r© 2003–%1 Korvalen. Все права защищены.\r\rПеренос данных:")
                       .arg(os::getBuildDate().year());
    db::DataSet taHint(m_connection.get());
    taHint.setSql(QStringLiteral("SELECT Text AS Hint\r\nFROM  DataBaseInstant\r\nORDER BY Instant DESC"));
    taHint.open();
    for (; !taHint.eof(); taHint.next())
        hint += QLatin1Char('\r') + taHint.text(QStringLiteral("Hint")).left(101);
    taHint.close();
    return hint;
}

QString TdmComming::VersionCaption()
{
    return os::getVersionCaption(QStringLiteral("Версия "), true);
}

db::DataSet& TdmComming::keptOpen(std::unique_ptr<db::DataSet>& slot, const QString& table, const QString& filter)
{
    if (!slot) {
        slot = std::make_unique<db::DataSet>(m_connection.get());
        slot->setTableName(table, filter, QStringLiteral("ID"));
        slot->setReadOnly(true);
    }
    if (!slot->isActive())
        slot->open();
    return *slot;
}

db::DataSet& TdmComming::taSubstitute()
{
    return keptOpen(m_substitute, QStringLiteral("Substitute"), {});
}

db::DataSet& TdmComming::taRoleSubst()
{
    return keptOpen(m_roleSubst, QStringLiteral("RoleSubstitute"), {});
}

db::DataSet& TdmComming::taDelimiter()
{
    return keptOpen(m_delimiter, QStringLiteral("DelimiterRole"), QStringLiteral("Active = 1"));
}

std::unique_ptr<db::DataSet> TdmComming::openDelimiterName()
{
    auto ds = std::make_unique<db::DataSet>(m_connection.get());
    ds->setTableName(QStringLiteral("DelimiterName"), {}, QStringLiteral("ID"));
    ds->setReadOnly(true);
    ds->open();
    return ds;
}

void TdmComming::closeRuleTables()
{
    for (auto* slot : {&m_substitute, &m_roleSubst, &m_delimiter}) {
        if (*slot)
            (*slot)->close();
    }
}

} // namespace vintora::catalogue
