#pragma once
// The normalisation operations of the central data module: titles, track notes, authors,
// performer names, credit lines and role words. Four of them read the rule tables the user
// maintains; the module keeps three of those open (see TdmComming) and re-reads DelimiterName
// on every performer name.
#include <QString>

namespace vintora::catalogue {
class TdmComming;
}

namespace vintora::text {

class TextRules {
public:
    explicit TextRules(catalogue::TdmComming& dm) : m_dm(dm) {}

    // " · ": joins the members of a performer name.
    static const QString& MemberSeparator();
    // " — ": joins the authors of a track.
    static const QString& AuthorSeparator();

    // Trim, TitleCase, every Substitute row (Old -> New, any case, in ID order), runs of
    // blanks collapsed, trim.
    QString NormalizeTitle(const QString& text);
    // Lower case, runs of blanks collapsed, every "bonus" removed (any case), trim.
    static QString NormalizeTrackNote(const QString& text);
    // " / ", " - ", "/", " , " and " ," become " — "; runs of blanks collapsed; trim.
    static QString NormalizeAuthors(const QString& text);
    // TitleCase and the joining-word rules; every DelimiterName row becomes " · "; a leading
    // "Mc", "Mac" or "O'" capitalises the letter after it. Runs of blanks collapsed, no trim.
    QString NormalizePerformerName(const QString& text);
    // Splits a credit line at the first active DelimiterRole character, trying the rows in ID
    // order: person = trim(TitleCase(before)), role = trim(lower case(after)). Without any of
    // them in the line, person and role stay as passed in and false is returned.
    bool SplitRoleLine(const QString& line, QString& person, QString& role);
    // Left trim, [ ] -> ( ), blanks collapsed, every RoleSubstitute row (any case, in ID order),
    // blanks collapsed, right trim, lower case.
    QString NormalizeRole(const QString& text);

private:
    catalogue::TdmComming& m_dm;
};

} // namespace vintora::text
