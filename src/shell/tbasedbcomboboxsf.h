#pragma once
#include <QFrame>

namespace vintora::db {
class DataSet;
}

namespace vintora::shell {

class TcoDBComboBox;
class TcoLabel;

// A caption and a data-aware combo box with a fixed list of shown items and stored values.
class TBASEDBComboBoxSF : public QFrame {
    Q_OBJECT
public:
    explicit TBASEDBComboBoxSF(QWidget* parent = nullptr);

    TcoLabel* laDisplayLable;
    TcoDBComboBox* cbField;

    // Takes the list from the rows of a data set: the first column shown, the second stored
    // (the first when there is only one). An empty result keeps the list the combo had.
    void FillItems(db::DataSet& dataSet);
};

} // namespace vintora::shell
