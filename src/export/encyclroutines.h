#pragma once
#include "platform/db/rowset.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace vintora::db {
class Connection;
}

namespace vintora::export_ {

// Registers the export's routines ("Encycl…") by the names the engine calls. Safe to call
// more than once.
//
// Publication marks. An object is due when its Publication is set and not later than now:
// GETDATE() marks (placeholders, single-object exports) are due at once, while the marks of
// pages of an old design are set n days ahead (EncyclPublicateNull(n), n from 1 to 29), so
// that their rewriting spreads over the next weeks instead of falling into one run.
void registerRoutines();

// One row of the work list of routine EncyclObject: a kind ("G", "S", "L", "A", "P") and a key.
struct WorkItem {
    char16_t kind;
    int id;
};

// The work list of routine EncyclObject, read straight from the server into a compact list.
std::vector<WorkItem> dueWork(db::Connection& c);

// While one lives, the performers of a letter are read once for all the letter routines that
// ask for that letter (a tabbed letter page asks twice per second letter). Open it only
// around work that changes no performer.
class LetterListScope {
public:
    LetterListScope();
    ~LetterListScope();
    LetterListScope(const LetterListScope&) = delete;
    LetterListScope& operator=(const LetterListScope&) = delete;
};

namespace detail {
void registerPageRoutines();
void registerListRoutines();

// Helpers the routine files share.
db::RowSet makeRows(const QStringList& columns);
// Rows sorted by a text column without case, then by an integer column.
void sortRows(db::RowSet& rows, const QString& textColumn, const QString& idColumn);
// Empty texts read as NULL, so the writers' NULL tests hold for both.
QVariant nullIfEmpty(const QVariant& v);
// A catalogue text joined to another by sep when both are non-empty.
QString joined(const QString& a, const QString& sep, const QString& b);
// The first letter of an index: the upper-cased character when it is a letter or digit of the
// code page, else "#".
QString indexLetter(const QString& name, int position);
} // namespace detail

} // namespace vintora::export_
