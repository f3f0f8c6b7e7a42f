#pragma once
#include <QListWidget>

namespace vintora::shell {

// A flat list in the input colour, used as the running log of scans and imports.
class TcoListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TcoListBox(QWidget* parent = nullptr);
    // Appends a line and selects it.
    void addLastLine(const QString& text);
    // Replaces the last line (appends one when empty) and selects it.
    void updateLastLine(const QString& text);
    // A line of em dashes as wide as the visible area, less one dash.
    void horizontalLine();

protected:
    // Disabled, the list takes the button face.
    void changeEvent(QEvent* event) override;
};

} // namespace vintora::shell
