#include "platform/ui/actionlist.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

namespace vintora::ui {

ActionList::ActionList(QObject* parent)
    : QObject(parent)
{
    if (auto* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &ActionList::update);
}

QAction* ActionList::add(QAction* action, Rule rule)
{
    if (!action->parent())
        action->setParent(this);
    m_entries << Entry{action, std::move(rule)};
    return action;
}

QAction* ActionList::add(const QString& name, const QString& text, const QString& category, Rule rule)
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!category.isEmpty())
        a->setProperty("category", category);
    return add(a, std::move(rule));
}

void ActionList::setRule(QAction* action, Rule rule)
{
    for (Entry& e : m_entries) {
        if (e.action == action) {
            e.rule = std::move(rule);
            return;
        }
    }
    add(action, std::move(rule));
}

void ActionList::setEnabledRule(QAction* action, std::function<bool()> enabled)
{
    setRule(action, [enabled = std::move(enabled)](QAction* a) { a->setEnabled(enabled()); });
}

QAction* ActionList::action(const QString& name) const
{
    for (const Entry& e : m_entries) {
        if (e.action && e.action->objectName() == name)
            return e.action;
    }
    return nullptr;
}

QList<QAction*> ActionList::actions() const
{
    QList<QAction*> list;
    for (const Entry& e : m_entries) {
        if (e.action)
            list << e.action.data();
    }
    return list;
}

void ActionList::update()
{
    if (m_updating)
        return;
    m_updating = true;
    // A failing rule must not break the loop's idle step; it keeps the action's last state.
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry e = m_entries[i];
        if (e.action && e.rule) {
            try {
                e.rule(e.action);
            } catch (...) {
            }
        }
    }
    m_updating = false;
}

} // namespace vintora::ui
