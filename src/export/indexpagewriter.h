#pragma once
#include <QString>
#include <QStringList>

namespace vintora::export_ {

class TExportEncyclopaediaDM;

// Letter pages (plain and tabbed), the index of last changes with the statistics, and the
// popular and casual suggestion pages.
class IndexPageWriter {
public:
    explicit IndexPageWriter(TExportEncyclopaediaDM& dm) : m_dm(dm) {}
    void writeAlpha(const QString& letter);
    void writeAlphaTab(const QString& letter);
    void writeIndex();
    void writePopular();
    void writeCasual();

private:
    QString performerEntry(int id, const QString& name, const QString& ending) const;
    QString albumEntry(int id, const QString& title) const;
    TExportEncyclopaediaDM& m_dm;
};

} // namespace vintora::export_
