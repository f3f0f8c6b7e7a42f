#pragma once
#include <QFrame>
#include <functional>

namespace vintora::ui {
class DataSource;
}

namespace vintora::shell {

class TcoButton;
class TcoDBLookupCombo;

// A caption button that opens the field's dictionary window and a data-aware lookup combo.
class TBASEDBLookupComboSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBLookupComboSF(QWidget* parent = nullptr);

    TcoButton* btLabel;
    TcoDBLookupCombo* cbField;
    // What the caption button opens (the dictionary window of the field).
    std::function<void()> onDictionary;

    // Sets the lookup source when the combo has none, then re-reads the source's rows.
    void SetLookupSource(ui::DataSource* source);
    // Read-only: the combo takes no input and no tab stop, and the caption button stops
    // reacting; a button designed as inert stays inert either way.
    void SetReadOnly(bool readOnly);
    // The designed state of the caption button (before any SetReadOnly).
    void setLabelNoClick(bool noClick);

private:
    bool m_designedNoClick = false;
};

} // namespace vintora::shell
