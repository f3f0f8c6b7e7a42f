// The window shown until the shell's windows exist: the catalogue opens, or the program says why not.
#include "catalogue/migrator.h"
#include "platform/db/connection.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vintora"));
    QApplication::setOrganizationName(QStringLiteral("Korvalen"));
    QString url = qEnvironmentVariable("VINTORA_DB", vintora::db::defaultDatabaseUrl());
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--db"));
    if (at >= 0 && at + 1 < args.size())
        url = args[at + 1];
    try {
        auto connection = vintora::catalogue::openCatalogue(url);
        QLabel label(QStringLiteral("Vintora: %1").arg(url));
        label.setWindowTitle(QStringLiteral("Vintora"));
        label.resize(480, 120);
        label.show();
        return app.exec();
    } catch (const vintora::db::DbError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Vintora"), e.message());
        return 1;
    }
}
