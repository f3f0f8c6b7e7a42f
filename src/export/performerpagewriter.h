#pragma once
#include <QString>
#include <QStringList>

namespace vintora::export_ {

class TExportEncyclopaediaDM;
class RowReader;

// The performer page: picture, names and aliases, biography, genres, discography, credits,
// related performers and web links; and the redirect pages of the aliases.
class PerformerPageWriter {
public:
    explicit PerformerPageWriter(TExportEncyclopaediaDM& dm) : m_dm(dm) {}
    void write(int id, bool main, bool reset);
    void writeAlias(int aliasId, int mainId);

private:
    // What every write of the page does, also one that finds the page written in this run.
    void finish(int id, const QString& page, const RowReader& info, bool main, bool reset);
    TExportEncyclopaediaDM& m_dm;
};

// Biography and notes: "--" or "——" lines become rules, every other line a paragraph.
QStringList textParagraphs(const QString& text);

} // namespace vintora::export_
