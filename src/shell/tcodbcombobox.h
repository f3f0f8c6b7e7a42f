#pragma once
#include "platform/ui/fieldlink.h"

#include <QComboBox>

namespace vintora::shell {

// A data-aware fixed list: Items are shown, Values stored (while EnableValues is on); the
// field's text selects the item whose value equals it, choosing item i stores Values[i].
class TcoDBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TcoDBComboBox(QWidget* parent = nullptr);

    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }
    void setItems(const QStringList& items);
    void setValues(const QStringList& values);
    // Replaces both at once (the lists of FillItems).
    void setItemsAndValues(const QStringList& items, const QStringList& values);
    QStringList items() const;
    const QStringList& values() const { return m_values; }
    void setEnableValues(bool on) { m_enableValues = on; m_link->refresh(); }
    bool enableValues() const { return m_enableValues; }
    // The stored text that counts as no value (shown as no item).
    void setEmptyValue(const QString& value) { m_emptyValue = value; }
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // Chooses item i as the user would.
    void choose(int index);

protected:
    void changeEvent(QEvent* event) override;
    void showPopup() override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Shows the field (named apart from QWidget::show, which it would hide).
    void showField(const QVariant& value, bool active);
    void recolour();

    ui::FieldLink* m_link;
    QStringList m_values;
    QString m_emptyValue;
    bool m_enableValues = true;
    bool m_readOnly = false;
    bool m_showing = false;
};

} // namespace vintora::shell
