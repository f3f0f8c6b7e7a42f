#pragma once
#include <QString>
#include <QStringList>

namespace vintora::export_ {

class TExportEncyclopaediaDM;

// The performer page: picture, names and aliases, biography, genres, discography, credits,
// related performers and web links; and the redirect pages of the aliases.
class PerformerPageWriter {
public:
    explicit PerformerPageWriter(TExportEncyclopaediaDM& dm) : m_dm(dm) {}
    void write(int id, bool main, bool reset);
    void writeAlias(int aliasId, int mainId);

private:
    TExportEncyclopaediaDM& m_dm;
};

// Biography and notes: "--" or "——" lines become rules, every other line a paragraph.
QStringList textParagraphs(const QString& text);

} // namespace vintora::export_
