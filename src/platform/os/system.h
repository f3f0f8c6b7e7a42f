#pragma once
#include <QDate>
#include <QSettings>
#include <QString>

namespace vintora::os {

// The computer's network name (at most 100 characters).
QString getComputerNameText();
// The user's full name from the password database; "*" when there is none.
QString getRegisteredOwner();
QString getRegisteredOrganization();

enum ShowState { ShowNormal = 0, ShowMinimized = 1, ShowMaximized = 2, ShowHidden = 3 };
// Starts a program (an executable file) with its parameters in folder, or opens a document
// or address with the desktop's handler. No result is examined.
void shellRun(const QString& file, const QString& parameters = {}, const QString& folder = {},
              int state = ShowNormal);

// The program's version "a.b.c.d"; with reorder "a.c.bbbddddd" (5.79.8.1534 gives 5.8.07901534).
QString getProgramVersion(bool reorder);
// The same rule on any version text; parts that are not numbers count as 0.
QString formatProgramVersion(const QString& fileVersion, bool reorder);
// The build date of the program ("*") or the modification date of a file.
QDate getBuildDate(const QString& fileName = QStringLiteral("*"));
// prefix + version + " от " + build date, or the prefix alone when the version begins with "0".
QString getVersionCaption(const QString& prefix, bool reorder);
QString versionCaption(const QString& prefix, const QString& version, const QDate& built);

// Records the installed version where the desktop keeps installation data, when that place is
// writable and its stored version is older in plain character order.
void updateUninstallEntry();
// The rule itself, on a given store; returns whether the entry was written.
bool updateUninstallEntry(QSettings& store, const QString& version);

} // namespace vintora::os
