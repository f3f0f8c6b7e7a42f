#include "shell/tcodbcombobox.h"

#include "shell/tcocolors.h"

#include <QEvent>
#include <QKeyEvent>

namespace vintora::shell {

TcoDBComboBox::TcoDBComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_link(new ui::FieldLink([this](const QVariant& v, bool a) { showField(v, a); }, this))
{
    setEditable(false);
    setFixedHeight(22);
    connect(this, qOverload<int>(&QComboBox::activated), this, &TcoDBComboBox::choose);
    recolour();
}

void TcoDBComboBox::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
}

void TcoDBComboBox::setItems(const QStringList& items)
{
    m_showing = true;
    clear();
    addItems(items);
    m_showing = false;
    m_link->refresh();
}

void TcoDBComboBox::setValues(const QStringList& values)
{
    m_values = values;
    m_link->refresh();
}

void TcoDBComboBox::setItemsAndValues(const QStringList& items, const QStringList& values)
{
    m_values = values;
    setItems(items);
}

QStringList TcoDBComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TcoDBComboBox::choose(int index)
{
    if (m_showing || index < 0 || index >= count())
        return;
    if (m_readOnly || (m_link->dataSource() && m_link->fieldReadOnly())) {
        m_link->refresh();
        return;
    }
    const QString stored = m_enableValues ? m_values.value(index) : itemText(index);
    // A field that refuses the value keeps showing what it holds.
    if (!m_link->write(stored == m_emptyValue && !m_emptyValue.isEmpty() ? QVariant() : QVariant(stored))) {
        m_link->refresh();
        return;
    }
    m_showing = true;
    setCurrentIndex(index);
    m_showing = false;
}

void TcoDBComboBox::showField(const QVariant& value, bool active)
{
    m_showing = true;
    int index = -1;
    if (active && !value.isNull()) {
        const QString text = value.toString();
        index = m_enableValues ? int(m_values.indexOf(text)) : findText(text);
        if (text == m_emptyValue && !m_emptyValue.isEmpty())
            index = -1;
    }
    setCurrentIndex(index);
    m_showing = false;
    recolour();
}

void TcoDBComboBox::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    recolour();
}

void TcoDBComboBox::showPopup()
{
    if (!m_readOnly)
        QComboBox::showPopup();
}

void TcoDBComboBox::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return;
    QComboBox::keyPressEvent(event);
}

void TcoDBComboBox::wheelEvent(QWheelEvent* event)
{
    if (!m_readOnly)
        QComboBox::wheelEvent(event);
}

void TcoDBComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        recolour();
}

void TcoDBComboBox::recolour()
{
    // An unbound combo (not yet given its source) keeps the input colour.
    const bool inactive = m_readOnly || !isEnabled() || (m_link->dataSource() && m_link->fieldReadOnly());
    TcoColors::applyInput(this, inactive);
    QPalette p = palette();
    p.setColor(QPalette::Button, inactive ? TcoColors::buttonFace() : TcoColors::inputColor());
    setPalette(p);
}

} // namespace vintora::shell
