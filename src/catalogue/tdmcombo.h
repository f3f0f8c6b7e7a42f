#pragma once
#include "platform/db/dataset.h"

#include <QObject>

namespace vintora::catalogue {

// Read-only lookups behind the combo boxes of the edit frames; closed until a window opens them.
class TdmCombo : public QObject {
    Q_OBJECT
public:
    explicit TdmCombo(db::Connection& connection, QObject* parent = nullptr);

    static TdmCombo* instance();

    db::DataSet taAlbumKind;  // AlbumKind by "Order"
    db::DataSet taMp3Place;   // MediumMpegPlace by Kind, Name
    db::DataSet taFirm;       // Firm by Name
    db::DataSet taGenre;      // Genre by Name
    db::DataSet taPerformer;  // ID, NameFull, NameOrder by NameOrder
    db::DataSet taIssueKind;  // IssueKind by "Order" descending
    db::DataSet taCountry;    // Country by ID; the only one that may be edited

    // Opens the lookup when it is closed (windows call it before they bind a combo).
    static db::DataSet& ensureOpen(db::DataSet& lookup);
};

// Closes and re-opens a lookup so a list shows rows changed elsewhere.
void RefreshLookup(db::DataSet& lookup);

} // namespace vintora::catalogue
