#pragma once
#include "shell/tbasechoicedbgridfr.h"

class QLineEdit;

namespace vintora::shell {

// A search frame: every change of the search box re-runs the descendant's routine with the
// trimmed text; the grid shows the names found and the chosen row's ID is handed back.
class TBASEChoiceDBGridEditFR : public TBASEChoiceDBGridFR {
    Q_OBJECT
public:
    // Anchored to the top left when topLeft is set, otherwise to the bottom right.
    TBASEChoiceDBGridEditFR(QWidget* owner, int option = 0, bool topLeft = false,
                            std::function<void(const QVariant& key)> afterClose = {});

    QLineEdit* edFind;
    QAction* acStartOver;
    QAction* acPastFind;
    TcoButton* btStartOver;
    TcoButton* btPastFind;

    int option() const { return m_option; }
    // The routine that searches; its only input takes the text.
    void setSearchRoutine(const QString& routine, const QString& input);
    // The text the search starts from ("С начала" puts it back).
    void setInitialText(const QString& text);
    const QString& initialText() const { return m_initialText; }
    // Runs the search for the box's text now.
    void search();

    // The text an empty or blank search box binds: a control character no name contains.
    static QString blankSearchText() { return QString(QChar(31)); }

private:
    void updatePastFind();

    int m_option = 0;
    QString m_initialText;
};

} // namespace vintora::shell
