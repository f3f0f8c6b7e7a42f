#include "shell/tcodbedit.h"

namespace vintora::shell {

TcoDBEdit::TcoDBEdit(QWidget* parent)
    : TcoEdit(parent)
    , m_link(new ui::FieldLink([this](const QVariant& v, bool a) { showField(v, a); }, this))
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { m_link->write(text); });
    connect(this, &QLineEdit::editingFinished, this, &TcoDBEdit::check);
}

void TcoDBEdit::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
    if (auto* ds = m_link->dataSet(); ds && ds->hasField(field) && ds->fieldDef(field).size > 0)
        setMaxLength(ds->fieldDef(field).size);
}

void TcoDBEdit::setReadOnly(bool readOnly)
{
    m_ownReadOnly = readOnly;
    TcoEdit::setReadOnly(m_ownReadOnly || m_link->fieldReadOnly());
}

void TcoDBEdit::showField(const QVariant& value, bool active)
{
    const QString text = active ? value.toString() : QString();
    if (this->text() != text)
        setText(text);
    TcoEdit::setReadOnly(m_ownReadOnly || !active || m_link->fieldReadOnly());
}

} // namespace vintora::shell
