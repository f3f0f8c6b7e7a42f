#pragma once
#include "platform/ui/datasetmodel.h"
#include "platform/ui/datasource.h"

#include <QTableView>

namespace vintora::shell {

// The grid of every list: a table view over a data source, input colour, centred titles,
// title-click sort markers that sort the data set, whole-row fitting and the record hint.
class TcoDBGridEh : public QTableView {
    Q_OBJECT
public:
    explicit TcoDBGridEh(QWidget* parent = nullptr);

    void setDataSource(ui::DataSource* source);
    ui::DataSource* dataSource() const { return m_source; }
    ui::DataSetModel* gridModel() const { return m_model; }
    void setColumns(const QList<ui::GridColumn>& columns);
    int columnOfField(const QString& field) const; // the first column when none shows it

    // Sort markers in marking order (column, descending). A plain title click marks that
    // column alone (a second click turns it round); Ctrl+click adds or turns a column.
    void clickTitle(int column, bool add);
    void setSortMarkers(const QList<QPair<int, bool>>& markers);
    const QList<QPair<int, bool>>& sortMarkers() const { return m_markers; }
    // "A;B DESC;" from the markers: a column's sort field (edit mask) stands for its field.
    QString indexFieldList() const;
    void setTitleSort(bool on) { m_titleSort = on; }

    // Pixels below the last whole row.
    int emptyRow() const;
    static int emptyRow(int clientHeight, int titleHeight, int footerRows, int rowHeight);
    // Shrinks the grid's own height (or the given owner's) by emptyRow().
    void fitWholeRows(QWidget* owner = nullptr);

    // The record hint: each visible field's title, ": " and its text, one per line.
    QString recordHintText() const;
    bool hintArmed() const { return m_hintArmed; }
    // Double-clicks arm the record hint (default on) unless a handler listens.
    void setShowHintData(bool on) { m_showHintData = on; m_hintArmed = m_hintArmed && on; }
    bool showHintData() const { return m_showHintData; }

    // Columns share the client width in proportion to their own widths (default on); a width
    // set by the program or dragged by the user is the new proportion.
    void setAutoFitColWidths(bool on);
    bool autoFitColWidths() const { return m_autoFit; }
    void fitColumns();

    // Layout of the columns under a section of the program key.
    void saveLayout(const QString& section) const;
    void restoreLayout(const QString& section);

signals:
    void sortMarkingChanged();
    // Emitted for double-clicks when some handler listens; otherwise the record hint arms.
    void rowDoubleClicked();

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followDataSet();
    void applySort();

    ui::DataSource* m_source = nullptr;
    ui::DataSetModel* m_model;
    QList<QPair<int, bool>> m_markers;
    bool m_titleSort = true;
    bool m_hintArmed = false;
    bool m_showHintData = true;
    bool m_following = false;
    bool m_autoFit = true;
    bool m_fitting = false;
    QList<int> m_proportions; // per column; 0 = the default section size
};

} // namespace vintora::shell
