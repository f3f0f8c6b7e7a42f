#include "shell/tmainfm.h"

#include "platform/os/settings.h"
#include "shell/tcoerror.h"
#include "shell/tcohint.h"

#include <QMenu>

namespace vintora::shell {

namespace {
QPointer<TMainFM> g_main;
}

TMainFM::TMainFM(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint)
    , erMain(new TcoError(this))
    , hiMain(new TcoHint(this))
{
    setObjectName(QStringLiteral("MainFM"));
    // The support address is a setting of the installation.
    erMain->EMail = os::readRegistryValue(QString(), QStringLiteral("SupportMail"), QString()).toString();
    g_main = this;
}

TMainFM::~TMainFM() = default;

TMainFM* TMainFM::instance()
{
    return g_main.data();
}

} // namespace vintora::shell
