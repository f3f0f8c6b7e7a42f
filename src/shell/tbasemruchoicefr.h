#pragma once
#include "platform/db/dataset.h"
#include "shell/tbaserootfr.h"

#include <QPointer>

class QLabel;

namespace vintora::ui {
class DataSource;
}

namespace vintora::shell {

class TcoDBEdit;
class TcoDBGridEh;

// The recent values of a text field: the names entered earlier under a unit code, listed from
// the field's text on; a double-click puts one into the field.
class TBASEMRUChoiceFR : public TBASERootFR {
    Q_OBJECT
public:
    explicit TBASEMRUChoiceFR(QWidget* owner);

    QLabel* laTitle;
    TcoDBEdit* edField;
    TcoDBGridEh* grChoice;
    TcoButton* btChoice;
    TcoButton* btAppend;
    db::DataSet* taMRU;
    ui::DataSource* dsMRU;

    // Opens over the edit's window for the edit's field.
    void Open(const QString& unit, TcoDBEdit* edit);
    // Puts the current name into the field (the grid's double-click).
    void chooseCurrent();
    // Deletes the current name from the list and re-reads it.
    void deleteCurrent();

protected:
    void cancelClicked() override;

private:
    void requery(const QString& from);

    QString m_unit;
    QVariant m_openValue; // the field's value when the frame opened
    QPointer<ui::DataSource> m_source;
    QString m_field;
    bool m_opening = false;
};

// The recent-values frame of the edit's window, created there on first use, opened for the
// edit's field.
void OpenMRUChoice(const QString& unit, TcoDBEdit* edit);

} // namespace vintora::shell
