#include "shell/tdmcommingactions.h"

#include "catalogue/tdmcomming.h"
#include "platform/os/settings.h"
#include "platform/os/system.h"
#include "shell/tbasedatadm.h"
#include "shell/tmainfm.h"
#include "shell/tvintoraapplication.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QUrl>

namespace vintora::shell {

namespace {
QPointer<TdmCommingActions> g_actions;
}

TdmCommingActions::TdmCommingActions(catalogue::TdmComming* data, QObject* parent)
    : QObject(parent)
    , alExec(new ui::ActionList(this))
    , m_data(data)
    , m_menu(new QMenu)
{
    setObjectName(QStringLiteral("dmComming"));
    alExec->setObjectName(QStringLiteral("alExec"));
    m_menu->setObjectName(QStringLiteral("pmExecute"));
    const QString ex = QStringLiteral("Execute"), stuff = QStringLiteral("Execute.Stuff"),
                  dict = QStringLiteral("Execute.Dictionary"), rep = QStringLiteral("Execute.Report");
    add("acPerformer", QStringLiteral("Исполнитель"), ex, TBASEDataDM::ToolPerformer);
    add("acPlayList", QStringLiteral("Воспроизведение"), ex, TBASEDataDM::ToolPlayList);
    add("acDetail", QStringLiteral("Детальное описание"), ex, TBASEDataDM::ToolDetail);
    add("acSearch", QStringLiteral("Поиск"), ex, TBASEDataDM::ToolFind);
    add("acImportFileTag", QStringLiteral("Импорт TAG"), stuff, TBASEDataDM::ToolImportTag);
    add("acImportConver", QStringLiteral("Поиск файлов для обработки"), stuff, TBASEDataDM::ToolImportConvert);
    add("acExport", QStringLiteral("Экспорт данных"), stuff, TBASEDataDM::ToolExport);
    add("acMp3Palce", QStringLiteral("Место расположения Mp3"), dict, TBASEDataDM::ToolMp3Place);
    add("acCheckData", QStringLiteral("Проверка данных"), stuff, TBASEDataDM::ToolCheckData);
    add("acGenre", QStringLiteral("Жанр"), dict, TBASEDataDM::ToolGenre);
    QAction* version = add("acVersion", os::getVersionCaption(QStringLiteral("Версия "), true), QString(), TBASEDataDM::ToolVersion);
    QAction* exit = add("acExit", QStringLiteral("Выход"), QString(), TBASEDataDM::ToolExit);
    add("acFirm", QStringLiteral("Фирма, студия"), dict, TBASEDataDM::ToolFirm);
    add("acTask", QStringLiteral("Задание"), stuff, TBASEDataDM::ToolTask);
    add("acAlbumNeed", QStringLiteral("Искомое"), stuff, TBASEDataDM::ToolAlbumNeed);
    add("acSubstitute", QStringLiteral("Замена в названиях"), dict, TBASEDataDM::ToolSubstitute);
    add("acRoleSubstitute", QStringLiteral("Замена в ролях"), dict, TBASEDataDM::ToolSubstitute);
    add("acIssueKind", QStringLiteral("Вид издания"), dict, TBASEDataDM::ToolIssueKind);
    add("acDelimiterRole", QStringLiteral("Разделитель (роль)"), dict, TBASEDataDM::ToolDelimiter);
    QAction* reportPublic = add("acReportPublic", QStringLiteral("Оъекты для публикации"), rep, TBASEDataDM::ToolReportPublic);
    QAction* singly = add("acImportSingly", QStringLiteral("Импорт TAG (отдельно)"), stuff, TBASEDataDM::ToolImportSingly);
    QAction* reportError = add("acReportError", QStringLiteral("Ошибки для исправления"), rep, TBASEDataDM::ToolReportError);
    add("acPerformerZipScan", QStringLiteral("Поиск архивов"), stuff, TBASEDataDM::ToolZipScan);
    add("acDelimiterPerformerName", QStringLiteral("Разделитель (исполнитель)"), dict, TBASEDataDM::ToolDelimiter);

    exit->setToolTip(QStringLiteral("Закончить работу с программой"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(exit, &QAction::triggered, this, [] { TVintoraApplication::terminate(); });
    if (m_data)
        version->setToolTip(m_data->BuildVersionHint());
    connect(version, &QAction::triggered, this, [] { QApplication::beep(); });
    for (QAction* a : {version, exit, reportPublic, reportError, singly})
        a->setEnabled(true);
    auto report = [](const QString& path) {
        const QString host = os::readRegistryValue(QString(), QStringLiteral("ReportServer"), QStringLiteral("localhost")).toString();
        QDesktopServices::openUrl(QUrl(reportAddress(host, path)));
    };
    connect(reportPublic, &QAction::triggered, this, [report] {
        report(QStringLiteral("/ReportServer/Pages/ReportViewer.aspx?%2fVintora%2fEncycl+Info&rs:Command=Render&rc:Section=99"));
    });
    connect(reportError, &QAction::triggered, this, [report] {
        report(QStringLiteral("/ReportServer/Pages/ReportViewer.aspx?%2fVintora%2fCorrection&rs:Command=Render"));
    });
    connect(singly, &QAction::triggered, this, [] {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("-imp")});
    });
    buildMenu();
    if (TMainFM* main = TMainFM::instance())
        main->setPmExecute(m_menu);
    g_actions = this;
}

TdmCommingActions::~TdmCommingActions()
{
    delete m_menu;
}

TdmCommingActions* TdmCommingActions::instance()
{
    return g_actions.data();
}

QAction* TdmCommingActions::add(const char* name, const QString& caption, const QString& category, int icon)
{
    QAction* a = alExec->add(QString::fromLatin1(name), caption, category);
    a->setIcon(TBASEDataDM::toolIcon(icon));
    // Present but disabled until its window registers an opener.
    a->setEnabled(false);
    const QString n = a->objectName();
    connect(a, &QAction::triggered, this, [this, n] { open(n); });
    return a;
}

void TdmCommingActions::buildMenu()
{
    auto put = [](QMenu* m, std::initializer_list<const char*> names, TdmCommingActions* self) {
        for (const char* n : names) {
            if (QLatin1String(n) == QLatin1String("-"))
                m->addSeparator();
            else
                m->addAction(self->action(QString::fromLatin1(n)));
        }
    };
    put(m_menu, {"acPerformer", "acPlayList", "acDetail", "acSearch", "-"}, this);
    QMenu* reports = m_menu->addMenu(QStringLiteral("Отчёты"));
    reports->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolReports));
    reports->menuAction()->setObjectName(QStringLiteral("imReport"));
    put(reports, {"acReportPublic", "acReportError"}, this);
    QMenu* dict = m_menu->addMenu(QStringLiteral("Справочники"));
    dict->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolDictionaries));
    dict->menuAction()->setObjectName(QStringLiteral("imDiction"));
    put(dict, {"acGenre", "-", "acFirm", "acIssueKind", "-", "acMp3Palce", "-", "acSubstitute", "acRoleSubstitute", "-",
               "acDelimiterRole", "acDelimiterPerformerName"}, this);
    QMenu* utils = m_menu->addMenu(QStringLiteral("Обслуживание"));
    utils->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolUtilities));
    utils->menuAction()->setObjectName(QStringLiteral("imUtils"));
    put(utils, {"acImportFileTag", "acImportConver", "acPerformerZipScan", "-", "acExport", "-", "acTask", "acAlbumNeed", "-",
                "acCheckData", "-", "acImportSingly"}, this);
    put(m_menu, {"-", "acVersion", "-", "acExit"}, this);
    m_menu->setToolTipsVisible(true);
}

void TdmCommingActions::setOpener(const QString& actionName, std::function<void()> opener)
{
    m_openers.insert(actionName, std::move(opener));
    if (QAction* a = action(actionName))
        a->setEnabled(true);
}

bool TdmCommingActions::open(const QString& actionName)
{
    const auto it = m_openers.constFind(actionName);
    if (it == m_openers.constEnd())
        return false;
    it.value()();
    return true;
}

TdmCommingActions::Words TdmCommingActions::commandWords(const QString& commandLine)
{
    const QString line = commandLine.toLower();
    Words w;
    w.imp = line.contains(QLatin1String("imp"));
    w.play = line.contains(QLatin1String("play"));
    w.exp = line.contains(QLatin1String("exp"));
    w.check = line.contains(QLatin1String("check"));
    w.task = line.contains(QLatin1String("task"));
    return w;
}

void TdmCommingActions::DispatchCommandLine(const QString& commandLine, bool connected)
{
    const Words w = commandWords(commandLine);
    if (w.imp) {
        open(QStringLiteral("acImportFileTag"));
        return;
    }
    if (!connected) {
        TVintoraApplication::terminate();
        return;
    }
    if (w.play)
        open(QStringLiteral("acPlayList"));
    if (w.exp)
        open(QStringLiteral("acExport"));
    if (w.check)
        open(QStringLiteral("acCheckData"));
    if (w.task)
        open(QStringLiteral("acTask"));
    if (m_restoreDetail)
        m_restoreDetail();
    else if (QAction* detail = action(QStringLiteral("acDetail")))
        detail->setEnabled(false);
    // Until the performer list exists, the title substitutions are the window a start shows.
    if (!open(QStringLiteral("acPerformer")))
        open(QStringLiteral("acSubstitute"));
    open(QStringLiteral("acPlayList"));
}

QString TdmCommingActions::reportAddress(const QString& host, const QString& pathAndQuery)
{
    return QStringLiteral("http://") + host + QStringLiteral(":8020") + pathAndQuery;
}

} // namespace vintora::shell
