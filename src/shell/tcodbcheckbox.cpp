#include "shell/tcodbcheckbox.h"

namespace vintora::shell {

TcoDBCheckBox::TcoDBCheckBox(const QString& caption, QWidget* parent)
    : TcoCheckBox(caption, parent)
    , m_link(new ui::FieldLink(
          [this](const QVariant& v, bool active) {
              m_showing = true;
              const QString t = v.toString();
              setChecked(active && (v.typeId() == QMetaType::Bool ? v.toBool()
                                                                  : t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1")));
              setEnabled(active && !m_link->fieldReadOnly());
              m_showing = false;
          },
          this))
{
    connect(this, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        db::DataSet* ds = m_link->dataSet();
        if (!ds || !ds->hasField(m_link->fieldName()))
            return;
        const bool text = ds->fieldDef(m_link->fieldName()).type == QMetaType::QString;
        m_link->write(text ? QVariant(on ? QStringLiteral("True") : QStringLiteral("False")) : QVariant(on));
    });
}

void TcoDBCheckBox::bind(ui::DataSource* source, const QString& field)
{
    m_link->bind(source, field);
}

} // namespace vintora::shell
