#pragma once
#include "platform/ui/actionlist.h"

#include <QHash>
#include <QObject>
#include <functional>

class QMenu;

namespace vintora::catalogue {
class TdmComming;
}

namespace vintora::shell {

// The window side of the central data module: the catalogue of top-level commands (alExec),
// the command menu built on it (pmExecute) and the start-up dispatch of the command line.
// Subsystems register the openers of their windows; a command without one stays disabled.
class TdmCommingActions : public QObject {
    Q_OBJECT
public:
    explicit TdmCommingActions(catalogue::TdmComming* data, QObject* parent = nullptr);
    ~TdmCommingActions() override;
    static TdmCommingActions* instance();

    ui::ActionList* alExec;
    QMenu* pmExecute() const { return m_menu; }
    QAction* action(const QString& name) const { return alExec->action(name); }

    // Makes the action open a window; enables it.
    void setOpener(const QString& actionName, std::function<void()> opener);
    bool hasOpener(const QString& actionName) const { return m_openers.contains(actionName); }
    bool open(const QString& actionName);
    // The detail history's restore (it comes with the detail window).
    void setRestoreDetailBackList(std::function<void()> restore) { m_restoreDetail = std::move(restore); }

    // The words of the command line that count.
    struct Words {
        bool imp = false, play = false, exp = false, check = false, task = false;
    };
    static Words commandWords(const QString& commandLine);
    // Opens the start windows the command line asks for. connected: the catalogue is open.
    void DispatchCommandLine(const QString& commandLine, bool connected);

    // The address of a report page on the report server (its host is a setting).
    static QString reportAddress(const QString& host, const QString& pathAndQuery);

private:
    QAction* add(const char* name, const QString& caption, const QString& category, int icon);
    void buildMenu();

    catalogue::TdmComming* m_data;
    QMenu* m_menu;
    QHash<QString, std::function<void()>> m_openers;
    std::function<void()> m_restoreDetail;
};

} // namespace vintora::shell
