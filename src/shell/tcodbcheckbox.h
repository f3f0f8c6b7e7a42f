#pragma once
#include "platform/ui/fieldlink.h"
#include "shell/tcocheckbox.h"

namespace vintora::shell {

// A flat data-aware check box; a flag field stores true/false, a text field "True"/"False".
class TcoDBCheckBox : public TcoCheckBox {
    Q_OBJECT
public:
    explicit TcoDBCheckBox(const QString& caption = {}, QWidget* parent = nullptr);
    void bind(ui::DataSource* source, const QString& field);
    ui::FieldLink* link() const { return m_link; }

private:
    ui::FieldLink* m_link;
    bool m_showing = false;
};

} // namespace vintora::shell
