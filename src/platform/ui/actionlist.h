#pragma once
#include <QAction>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

namespace vintora::ui {

// A list of actions whose enabled and visible states follow rules, re-evaluated whenever the
// event loop is about to wait (nothing else to do), the way action update events work. A rule
// may also be run at once with update().
class ActionList : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<void(QAction*)>;

    explicit ActionList(QObject* parent = nullptr);

    // Adds the action (the list becomes its parent unless it has one) with an optional rule.
    QAction* add(QAction* action, Rule rule = {});
    QAction* add(const QString& name, const QString& text, const QString& category = {}, Rule rule = {});
    void setRule(QAction* action, Rule rule);
    // A rule that only sets the enabled state.
    void setEnabledRule(QAction* action, std::function<bool()> enabled);

    QAction* action(const QString& name) const;
    QList<QAction*> actions() const;

    // Runs every rule now.
    void update();

private:
    struct Entry {
        QPointer<QAction> action;
        Rule rule;
    };
    QList<Entry> m_entries;
    bool m_updating = false;
};

} // namespace vintora::ui
