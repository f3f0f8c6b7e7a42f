#include "shell/tcodblookupcombo.h"

#include "shell/tcocolors.h"

#include <QEvent>
#include <QKeyEvent>

namespace vintora::shell {

TcoDBLookupCombo::TcoDBLookupCombo(QWidget* parent)
    : QComboBox(parent)
    , m_link(new ui::FieldLink([this](const QVariant& v, bool a) { showField(v, a); }, this))
{
    setEditable(false);
    setMaxVisibleItems(8);
    setFixedHeight(22);
    connect(this, qOverload<int>(&QComboBox::activated), this, &TcoDBLookupCombo::chosen);
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        if (!m_showing)
            emit keyChanged(keyValue());
    });
    recolour();
}

void TcoDBLookupCombo::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
}

void TcoDBLookupCombo::setLookupSource(ui::DataSource* source)
{
    disconnect(m_lookupReset);
    disconnect(m_lookupSwap);
    m_lookup = source;
    if (source) {
        auto relink = [this] {
            disconnect(m_lookupReset);
            if (db::DataSet* ds = m_lookup ? m_lookup->dataSet() : nullptr)
                m_lookupReset = connect(ds, &db::DataSet::rowsReset, this, &TcoDBLookupCombo::reload);
            reload();
        };
        m_lookupSwap = connect(source, &ui::DataSource::dataSetChanged, this, relink);
        relink();
    } else {
        reload();
    }
}

void TcoDBLookupCombo::reload()
{
    const QVariant current = m_link->isActive() ? m_link->value() : keyValue();
    m_showing = true;
    clear();
    if (!m_displayEmpty.isEmpty())
        addItem(m_displayEmpty, m_emptyValue);
    db::DataSet* ds = m_lookup ? m_lookup->dataSet() : nullptr;
    if (ds && ds->isActive() && ds->hasField(m_lookupField)) {
        const int key = ds->fieldIndex(m_lookupField);
        QList<int> shown;
        for (const QString& f : m_lookupDisplay.split(m_delimiter, Qt::SkipEmptyParts)) {
            const int i = ds->fieldIndex(f.trimmed());
            if (i >= 0)
                shown << i;
        }
        if (shown.isEmpty())
            shown << (ds->fieldCount() > 1 && key == 0 ? 1 : 0);
        const QString joint = m_listStyle == ListStyle::Delimited ? QStringLiteral(" | ") : QStringLiteral(" ");
        for (int r = 0; r < ds->recordCount(); ++r) {
            QStringList parts;
            for (int i : shown)
                parts << ds->rowValue(r, i).toString();
            addItem(parts.join(joint), ds->rowValue(r, key));
        }
    }
    m_showing = false;
    setKeyValue(current);
}

QVariant TcoDBLookupCombo::keyValue() const
{
    const int i = currentIndex();
    return i < 0 ? m_emptyValue : itemData(i);
}

void TcoDBLookupCombo::setKeyValue(const QVariant& key)
{
    m_showing = true;
    int index = -1;
    if (!key.isNull()) {
        for (int i = 0; i < count(); ++i) {
            if (itemData(i).toString() == key.toString()) {
                index = i;
                break;
            }
        }
    } else if (!m_displayEmpty.isEmpty()) {
        index = 0;
    }
    setCurrentIndex(index);
    m_showing = false;
}

void TcoDBLookupCombo::showField(const QVariant& value, bool active)
{
    setKeyValue(active ? value : QVariant());
    recolour();
}

void TcoDBLookupCombo::chosen(int index)
{
    if (m_readOnly || index < 0)
        return;
    QVariant key = itemData(index);
    if (m_emptyStrIsNull && key.toString().isEmpty())
        key = QVariant();
    if (key == m_emptyValue)
        key = QVariant();
    m_link->write(key);
    emit keyChanged(keyValue());
}

void TcoDBLookupCombo::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly)
        return;
    if (event->key() == Qt::Key_Escape && m_escapeClear) {
        setCurrentIndex(m_displayEmpty.isEmpty() ? -1 : 0);
        m_link->write(QVariant());
        emit keyChanged(keyValue());
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TcoDBLookupCombo::showPopup()
{
    if (!m_readOnly)
        QComboBox::showPopup();
}

void TcoDBLookupCombo::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    recolour();
}

void TcoDBLookupCombo::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        recolour();
}

void TcoDBLookupCombo::recolour()
{
    // Bound to a field the client may not change, it is painted read-only too.
    TcoColors::applyInput(this, m_readOnly || !isEnabled() || (m_link->dataSource() && m_link->fieldReadOnly()));
}

} // namespace vintora::shell
