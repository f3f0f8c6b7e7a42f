#pragma once
// The client side of the synonym store: a name as it was met (in a tag, a search box, a folder
// path) remembered with the ID of the catalogue row the user chose for it. Keys are whole
// texts of any length and compared exactly.
#include <QPointer>
#include <QString>

namespace vintora::db {
class Connection;
}
namespace vintora::catalogue {
class TdmComming;
}

namespace vintora::text {

class TSynonymDM {
public:
    explicit TSynonymDM(db::Connection& connection) : m_connection(connection) {}

    // The module of this process, created on first use over the central module's connection
    // (and made anew should a new central module have replaced the old one).
    static TSynonymDM& instance();

    // The object ID stored for the key; 0 when the key has none.
    int GetSynonym(const QString& key);
    // Afterwards GetSynonym(key) gives objectId. An empty key is not stored.
    void SetSynonym(int objectId, const QString& key);

    // Keys by kind. IDs are written as upper-case hexadecimal, at least six digits (a track
    // number at least two): albumKey(1234, "1971", "Meddle") gives "A|0004D2|1971|Meddle",
    // trackKey(300, 10, "Echoes") gives "T|00012C|0A|Echoes".
    static QString performerKey(const QString& text);
    static QString albumKey(int performerId, const QString& recordYear, const QString& title);
    static QString genreKey(const QString& name);
    static QString trackKey(int albumId, int number, const QString& title);
    static QString firmKey(const QString& searchText);

    // An integer as upper-case hexadecimal of at least the given digits; a negative one as
    // its 32-bit two's complement.
    static QString hexDigits(int value, int digits);

private:
    db::Connection& m_connection;
};

} // namespace vintora::text
