#include "cli/cliutil.h"

#include "platform/db/connection.h"

#include <QTextStream>
#include <exception>

namespace vintora::cli {

void printError(const QString& text)
{
    QTextStream err(stderr);
    err << "vintora-cli: " << text << '\n';
}

void printLine(const QString& text)
{
    QTextStream out(stdout);
    out << text << '\n';
}

int runGuarded(const std::function<int()>& body)
{
    try {
        return body();
    } catch (const UsageError& e) {
        printError(e.text);
        return 2;
    } catch (const db::DbError& e) {
        printError(e.message());
        return 1;
    } catch (const std::exception& e) {
        printError(QString::fromUtf8(e.what()));
        return 1;
    }
}

QString takeOption(QStringList& args, const QString& name, const QString& fallback)
{
    const QString flag = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == flag) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(flag)};
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(flag + QLatin1Char('='))) {
            const QString value = args[i].mid(flag.size() + 1);
            args.removeAt(i);
            return value;
        }
    }
    return fallback;
}

bool takeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(QStringLiteral("--") + name) > 0;
}

QString takeDatabaseUrl(QStringList& args)
{
    QString url = takeOption(args, QStringLiteral("db"));
    if (url.isEmpty())
        url = qEnvironmentVariable("VINTORA_DB");
    if (url.isEmpty())
        url = db::defaultDatabaseUrl();
    return url;
}

} // namespace vintora::cli
