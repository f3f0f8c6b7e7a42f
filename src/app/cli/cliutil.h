#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace vintora::cli {

// Writes "vintora-cli: TEXT" to standard error.
void printError(const QString& text);
void printLine(const QString& text);

// Runs a command, turning an escaped exception into a message and exit code 1.
int runGuarded(const std::function<int()>& body);

// Takes "--name VALUE" (or "--name=VALUE") out of args; the fallback when absent.
QString takeOption(QStringList& args, const QString& name, const QString& fallback = {});
// Takes a bare "--name" flag out of args.
bool takeFlag(QStringList& args, const QString& name);
// The catalogue address: --db, else VINTORA_DB, else the default SQLite file.
QString takeDatabaseUrl(QStringList& args);

// Thrown by commands for a usage error: printed, exit code 2.
struct UsageError {
    QString text;
};

} // namespace vintora::cli
