#include "shell/tvintorastartup.h"

#include "catalogue/tdmcomming.h"
#include "platform/db/connection.h"
#include "platform/os/system.h"
#include "shell/talbumroledelimiterfm.h"
#include "shell/tcocolors.h"
#include "shell/tdmcommingactions.h"
#include "shell/tmainfm.h"
#include "shell/tperformernamedelimiterfm.h"
#include "shell/trolesubstitutelistfm.h"
#include "shell/tsplashfm.h"
#include "shell/tsubstitutelistfm.h"
#include "shell/tvintoraapplication.h"

#include <QMessageBox>
#include <memory>

namespace vintora::shell {

void TVintoraStartup::registerShellWindows()
{
    TdmCommingActions* a = TdmCommingActions::instance();
    if (!a)
        return;
    a->setOpener(QStringLiteral("acSubstitute"), [] { ShowSubstituteList(); });
    a->setOpener(QStringLiteral("acRoleSubstitute"), [] { ShowRoleSubstituteList(); });
    a->setOpener(QStringLiteral("acDelimiterRole"), [] { ShowDelimiterRoleList(); });
    a->setOpener(QStringLiteral("acDelimiterPerformerName"), [] { ShowDelimiterNameList(); });
}

int TVintoraStartup::run(int argc, char** argv)
{
    TVintoraApplication app(argc, argv);
    auto splash = std::make_unique<TSplashFM>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    TcoColors::recompute();

    QString url = qEnvironmentVariable("VINTORA_DB", db::defaultDatabaseUrl());
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--db")); at >= 0 && at + 1 < args.size())
        url = args[at + 1];

    auto mainForm = std::make_unique<TMainFM>();
    std::unique_ptr<catalogue::TdmComming> data;
    try {
        data = std::make_unique<catalogue::TdmComming>(url);
    } catch (const std::exception& e) {
        splash.reset();
        QMessageBox::critical(nullptr, QStringLiteral("Vintora"), QString::fromStdString(e.what()));
        return 1;
    }
    TdmCommingActions actions(data.get());
    os::updateUninstallEntry();
    registerShellWindows();

    actions.DispatchCommandLine(args.join(QLatin1Char(' ')), true);
    splash.reset();
    return QApplication::exec();
}

} // namespace vintora::shell
