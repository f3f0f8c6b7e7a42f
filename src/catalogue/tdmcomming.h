#pragma once
#include "catalogue/importstate.h"
#include "platform/db/connection.h"
#include "platform/db/dataset.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <memory>

namespace vintora::catalogue {

// The central data module: the one catalogue connection and the operations many windows and
// engines share. Windows live elsewhere; this module runs headless.
class TdmComming : public QObject {
    Q_OBJECT
public:
    // Opens (creating or migrating) the catalogue at url. A connection that cannot be opened
    // raises db::DbError with the server's reason.
    explicit TdmComming(const QString& url, QObject* parent = nullptr);
    explicit TdmComming(std::unique_ptr<db::Connection> connection, QObject* parent = nullptr);
    ~TdmComming() override;

    // The module of this process (the last one created), as the windows reach it.
    static TdmComming* instance();

    db::Connection& cnVintora() const { return *m_connection; }

    // First free key of a kind: "P", "A", "I", "F" or "G".
    int GetEmptyID(const QString& kind);
    // A new edition of the album (tracks and credits copied); returns its ID.
    int CloneAlbum(int albumId);
    void CopyAlbumFromMaster(int albumId);
    // Removes the synonyms of an object of a kind ("P", "A", "G", "T", "F").
    void DeleteSynonyms(int objectId, const QString& kind);

    // Background colour of a last-played date: light red past 2 whole years, light yellow past
    // 0 whole years, light green past 6 whole months, else the grid's own colour.
    static QColor LastPlayColor(const QColor& gridColor, const QDateTime& date,
                                const QDateTime& now = QDateTime::currentDateTime());

    // "Версия программы." with the notice, then the transfer history, newest first, CR-separated.
    QString BuildVersionHint();
    // "Версия 5.8.07901534 от 11.12.2015", or "Версия " alone without a version.
    static QString VersionCaption();

    ImportState importState;

    // The rule tables of the text rules, opened on first use and kept open until an editor of
    // the table closes them (closeRuleTables); DelimiterName is read afresh at every use.
    db::DataSet& taSubstitute();
    db::DataSet& taRoleSubst();
    db::DataSet& taDelimiter();
    std::unique_ptr<db::DataSet> openDelimiterName();
    void closeRuleTables();

private:
    db::DataSet& keptOpen(std::unique_ptr<db::DataSet>& slot, const QString& table, const QString& filter);

    std::unique_ptr<db::Connection> m_connection;
    std::unique_ptr<db::DataSet> m_substitute;
    std::unique_ptr<db::DataSet> m_roleSubst;
    std::unique_ptr<db::DataSet> m_delimiter;
};

} // namespace vintora::catalogue
