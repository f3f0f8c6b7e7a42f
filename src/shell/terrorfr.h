#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace vintora::shell {

// The error window: message, optional object chain, continue / exit / send / switch buttons.
class TErrorFR : public QDialog {
    Q_OBJECT
public:
    explicit TErrorFR(QWidget* parent = nullptr);

    QLabel* laMessage;
    QLabel* laFull;
    QPushButton* btContinue;
    QPushButton* btExit;
    QPushButton* btMail;
    QPushButton* btSwitch;
    QString address;
    QString subject;
    QString owner;

    // Applies the reporter's options.
    void applyOptions(bool sendMail, bool showFull, bool terminate);
    void setFullShown(bool shown);
    bool fullShown() const { return m_full; }
    void layOut();
    // The mail text: message, chain and owner line.
    QString mailBody() const;

signals:
    void exitRequested();
    void sendRequested();

private:
    bool m_full = true;
};

} // namespace vintora::shell
