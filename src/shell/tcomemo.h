#pragma once
#include <QPlainTextEdit>

namespace vintora::shell {

// A flat memo in the input colour with a vertical scroll bar; a running text can grow by lines.
class TcoMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TcoMemo(QWidget* parent = nullptr);
    void setReadOnly(bool readOnly);
    // Formats with QString::arg and appends the result as a line.
    template <typename... Args>
    void addLine(const QString& format, Args&&... args)
    {
        appendPlainText(format.arg(std::forward<Args>(args)...));
    }
    void addLine(const QString& text) { appendPlainText(text); }

protected:
    void changeEvent(QEvent* event) override;
    void recolour();
};

} // namespace vintora::shell
