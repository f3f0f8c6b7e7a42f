#pragma once
#include <QProgressBar>

class QLabel;

namespace vintora::shell {

// A smooth progress bar with a caption inside on the left: "Caption (NN%)".
class TcoProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TcoProgressBar(QWidget* parent = nullptr);

    // Advances one step, refreshes the caption and lets pending events run.
    void step();
    // Raises the maximum by n; a non-null caption replaces the current one.
    void addMaximum(int n, const QString& caption = QString());
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setPosition(int position);
    // Black caption instead of a grey one.
    void setLabelBlack(bool on);
    bool labelBlack() const { return m_labelBlack; }

    // The caption as shown; with a maximum of 0 the caption alone.
    QString labelText() const;
    static QString labelText(const QString& caption, int position, int maximum);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();

    QLabel* m_label;
    QString m_caption;
    bool m_labelBlack = false;
};

} // namespace vintora::shell
