#pragma once
// The answers of a batch import, where no one can be asked: either nothing is chosen (the file
// is reported and skipped) or the missing performer, album, genre or track is created from the
// tag values through the text rules, and the tag text is remembered as its synonym.
#include "import/iimportchooser.h"

#include <QString>

namespace vintora::catalogue {
class TdmComming;
}

namespace vintora::import {

class TBatchChooser : public IImportChooser {
public:
    TBatchChooser(catalogue::TdmComming& dm, bool create) : m_dm(dm), m_create(create) {}

    void choose(const ImportQuestion& question, std::function<void(int id)> chosen,
                std::function<void()> cancelled) override;
    bool wantsTrackPreselection() const override { return false; }

    // What the last unanswered question asked, for which values ("performer \"X\"").
    const QString& lastUnresolved() const { return m_lastUnresolved; }
    int created() const { return m_created; }

    static QString describe(const ImportQuestion& question);

private:
    int createFor(const ImportQuestion& question);

    catalogue::TdmComming& m_dm;
    bool m_create = false;
    QString m_lastUnresolved;
    int m_created = 0;
};

} // namespace vintora::import
