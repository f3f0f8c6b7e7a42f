#pragma once
#include "platform/db/connection.h"

namespace vintora::catalogue {

// Brings a catalogue to the newest schema: creates a new one, migrates an older one step by
// step (each step one transaction, recorded in SchemaMigration), and refuses one written by a
// newer program.
class Migrator {
public:
    static int latestVersion();
    static int currentVersion(db::Connection& connection);
    // Returns the number of steps applied.
    static int migrate(db::Connection& connection);
};

// Opens the catalogue at url, migrates it and registers the catalogue's routines.
std::unique_ptr<db::Connection> openCatalogue(const QString& url);

} // namespace vintora::catalogue
