#include "catalogue/tdmcombo.h"

#include <QPointer>

namespace vintora::catalogue {

namespace {
QPointer<TdmCombo>& current()
{
    static QPointer<TdmCombo> module;
    return module;
}
} // namespace

TdmCombo::TdmCombo(db::Connection& c, QObject* parent)
    : QObject(parent), taAlbumKind(&c, this), taMp3Place(&c, this), taFirm(&c, this), taGenre(&c, this),
      taPerformer(&c, this), taIssueKind(&c, this), taCountry(&c, this)
{
    taAlbumKind.setTableName(QStringLiteral("AlbumKind"), {}, QStringLiteral("\"Order\""));
    taMp3Place.setTableName(QStringLiteral("MediumMpegPlace"), {}, QStringLiteral("Kind, Name"));
    taFirm.setTableName(QStringLiteral("Firm"), {}, QStringLiteral("Name"));
    taGenre.setTableName(QStringLiteral("Genre"), {}, QStringLiteral("Name"));
    taPerformer.setSql(QStringLiteral("select ID, NameFull, NameOrder from Performer order by NameOrder"));
    taIssueKind.setTableName(QStringLiteral("IssueKind"), {}, QStringLiteral("\"Order\" DESC"));
    taCountry.setTableName(QStringLiteral("Country"), {}, QStringLiteral("ID"));
    for (db::DataSet* ds : {&taAlbumKind, &taMp3Place, &taFirm, &taGenre, &taPerformer, &taIssueKind})
        ds->setReadOnly(true);
    taAlbumKind.setObjectName(QStringLiteral("taAlbumKind"));
    taMp3Place.setObjectName(QStringLiteral("taMp3Place"));
    taFirm.setObjectName(QStringLiteral("taFirm"));
    taGenre.setObjectName(QStringLiteral("taGenre"));
    taPerformer.setObjectName(QStringLiteral("taPerformer"));
    taIssueKind.setObjectName(QStringLiteral("taIssueKind"));
    taCountry.setObjectName(QStringLiteral("taCountry"));
    current() = this;
}

TdmCombo* TdmCombo::instance()
{
    return current();
}

db::DataSet& TdmCombo::ensureOpen(db::DataSet& lookup)
{
    if (!lookup.isActive())
        lookup.open();
    return lookup;
}

void RefreshLookup(db::DataSet& lookup)
{
    lookup.close();
    lookup.open();
}

} // namespace vintora::catalogue
