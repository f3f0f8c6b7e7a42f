// vintora-cli text OP TEXT [--db URL]: prints what one text rule makes of TEXT, with the rule
// tables of the catalogue, so a collector can try a table out.
#include "catalogue/tdmcomming.h"
#include "cli/cliutil.h"
#include "platform/os/files.h"
#include "text/stringhelpers.h"
#include "text/textrules.h"

namespace vintora::cli {

namespace {
const QString usage = QStringLiteral(
    "usage: vintora-cli text OP TEXT [--db URL]\n"
    "OP: title, tracknote, authors, performer, role, split-role, titlecase, quote, safe-filename");
}

int command_text(const QStringList& arguments)
{
    QStringList args = arguments;
    const QString url = takeDatabaseUrl(args);
    if (args.size() != 2)
        throw UsageError{usage};
    const QString op = args.at(0);
    const QString input = args.at(1);

    // Rules without tables need no catalogue.
    if (op == QLatin1String("titlecase")) {
        printLine(text::TitleCase(input));
        return 0;
    }
    if (op == QLatin1String("quote")) {
        printLine(text::QuoteGuillemets(input));
        return 0;
    }
    if (op == QLatin1String("safe-filename")) {
        printLine(os::safeFileName(input));
        return 0;
    }
    if (op == QLatin1String("tracknote")) {
        printLine(text::TextRules::NormalizeTrackNote(input));
        return 0;
    }
    if (op == QLatin1String("authors")) {
        printLine(text::TextRules::NormalizeAuthors(input));
        return 0;
    }

    static const QStringList withTables{QStringLiteral("title"), QStringLiteral("performer"), QStringLiteral("role"),
                                        QStringLiteral("split-role")};
    if (!withTables.contains(op))
        throw UsageError{QStringLiteral("unknown rule \"%1\"\n").arg(op) + usage};

    catalogue::TdmComming dm(url);
    text::TextRules rules(dm);
    if (op == QLatin1String("title")) {
        printLine(rules.NormalizeTitle(input));
    } else if (op == QLatin1String("performer")) {
        printLine(rules.NormalizePerformerName(input));
    } else if (op == QLatin1String("role")) {
        printLine(rules.NormalizeRole(input));
    } else {
        // As the credit lists do: a line without a delimiter is all person.
        QString person;
        QString role;
        if (!rules.SplitRoleLine(input, person, role))
            person = text::trim(input);
        printLine(person);
        printLine(role);
    }
    return 0;
}

} // namespace vintora::cli
