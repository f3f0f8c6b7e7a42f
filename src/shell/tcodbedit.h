#pragma once
#include "platform/ui/fieldlink.h"
#include "shell/tcoedit.h"

namespace vintora::shell {

// A data-aware flat edit: shows its field, typing starts editing and stores the text. A field
// the client may not change makes it read-only.
class TcoDBEdit : public TcoEdit {
    Q_OBJECT
public:
    explicit TcoDBEdit(QWidget* parent = nullptr);

    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }
    // Read-only by choice of the window (besides a read-only field).
    void setReadOnly(bool readOnly);

signals:
    // The user finished an entry (Enter or leaving the edit).
    void check();

private:
    // Shows the field (named apart from QWidget::show, which it would hide).
    void showField(const QVariant& value, bool active);

    ui::FieldLink* m_link;
    bool m_ownReadOnly = false;
};

} // namespace vintora::shell
