#pragma once
#include <QListWidget>

namespace vintora::shell {

// A flat list of check boxes in the input colour.
class TcoCheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TcoCheckListBox(QWidget* parent = nullptr);
    QListWidgetItem* addCheckItem(const QString& text, bool checked = false);
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);

protected:
    // Disabled, the list takes the button face.
    void changeEvent(QEvent* event) override;
};

} // namespace vintora::shell
