#pragma once
#include <QString>
#include <QStringList>

namespace vintora::export_ {

class TExportEncyclopaediaDM;

// Firm and genre pages and their two index pages.
class FirmGenrePageWriter {
public:
    explicit FirmGenrePageWriter(TExportEncyclopaediaDM& dm) : m_dm(dm) {}
    void writeFirm(int id);
    void writeGenre(int id);
    void writeFirmIndex();
    void writeGenreIndex();

private:
    void firmSection(const QString& letter, QStringList& body);
    TExportEncyclopaediaDM& m_dm;
};

} // namespace vintora::export_
