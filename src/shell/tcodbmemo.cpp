#include "shell/tcodbmemo.h"

namespace vintora::shell {

TcoDBMemo::TcoDBMemo(QWidget* parent)
    : TcoMemo(parent)
    , m_link(new ui::FieldLink([this](const QVariant& v, bool a) { showField(v, a); }, this))
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing)
            m_link->write(toPlainText());
    });
}

void TcoDBMemo::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
}

void TcoDBMemo::setReadOnly(bool readOnly)
{
    m_ownReadOnly = readOnly;
    TcoMemo::setReadOnly(m_ownReadOnly || m_link->fieldReadOnly());
}

void TcoDBMemo::showField(const QVariant& value, bool active)
{
    const QString text = active ? value.toString() : QString();
    if (toPlainText() != text) {
        m_showing = true;
        setPlainText(text);
        m_showing = false;
    }
    TcoMemo::setReadOnly(m_ownReadOnly || !active || m_link->fieldReadOnly());
}

} // namespace vintora::shell
