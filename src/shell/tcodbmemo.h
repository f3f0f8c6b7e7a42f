#pragma once
#include "platform/ui/fieldlink.h"
#include "shell/tcomemo.h"

namespace vintora::shell {

// A data-aware memo: long texts of a field; typing starts editing.
class TcoDBMemo : public TcoMemo {
    Q_OBJECT
public:
    explicit TcoDBMemo(QWidget* parent = nullptr);
    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }
    void setReadOnly(bool readOnly);

private:
    // Shows the field (named apart from QWidget::show, which it would hide).
    void showField(const QVariant& value, bool active);

    ui::FieldLink* m_link;
    bool m_ownReadOnly = false;
    bool m_showing = false;
};

} // namespace vintora::shell
