#pragma once
#include "platform/ui/fieldlink.h"

#include <QComboBox>
#include <QPointer>

namespace vintora::shell {

// A data-aware lookup combo: the list comes from the rows of a lookup source (key field and one
// or more shown fields), the bound field stores the chosen row's key. Unbound, it is a choice
// list whose key the owner reads.
class TcoDBLookupCombo : public QComboBox {
    Q_OBJECT
public:
    enum class ListStyle { Fixed, Delimited };

    explicit TcoDBLookupCombo(QWidget* parent = nullptr);

    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }
    void setLookupSource(ui::DataSource* source);
    ui::DataSource* lookupSource() const { return m_lookup.data(); }
    void setLookupField(const QString& field) { m_lookupField = field; reload(); }
    // Shown fields, separated by the fields delimiter (default ",").
    void setLookupDisplay(const QString& fields) { m_lookupDisplay = fields; reload(); }
    void setFieldsDelimiter(QChar delimiter) { m_delimiter = delimiter; reload(); }
    void setListStyle(ListStyle style) { m_listStyle = style; reload(); }
    void setDisplayEmpty(const QString& text) { m_displayEmpty = text; reload(); }
    void setEmptyValue(const QVariant& key) { m_emptyValue = key; }
    void setEmptyStrIsNull(bool on) { m_emptyStrIsNull = on; }
    void setEscapeClear(bool on) { m_escapeClear = on; }
    void setDropDownCount(int rows) { setMaxVisibleItems(rows); }
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // The key of the shown row; the empty value when none.
    QVariant keyValue() const;
    // Shows the row with this key (without storing it).
    void setKeyValue(const QVariant& key);
    // Re-reads the list from the lookup source's rows.
    void reload();

signals:
    void keyChanged(const QVariant& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showPopup() override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the field (named apart from QWidget::show, which it would hide).
    void showField(const QVariant& value, bool active);
    void chosen(int index);
    void recolour();

    ui::FieldLink* m_link;
    QPointer<ui::DataSource> m_lookup;
    QMetaObject::Connection m_lookupReset;
    QMetaObject::Connection m_lookupSwap;
    QString m_lookupField = QStringLiteral("ID");
    QString m_lookupDisplay;
    QChar m_delimiter = QLatin1Char(',');
    ListStyle m_listStyle = ListStyle::Fixed;
    QString m_displayEmpty;
    QVariant m_emptyValue;
    bool m_emptyStrIsNull = true;
    bool m_escapeClear = true;
    bool m_readOnly = false;
    bool m_showing = false;
};

} // namespace vintora::shell
