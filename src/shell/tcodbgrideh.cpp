#include "shell/tcodbgrideh.h"

#include "platform/ui/layoutstore.h"
#include "shell/tcocolors.h"
#include "shell/tcohint.h"

#include <QApplication>
#include <QHeaderView>
#include <QMetaMethod>
#include <QHelpEvent>

namespace vintora::shell {

TcoDBGridEh::TcoDBGridEh(QWidget* parent)
    : QTableView(parent)
    , m_model(new ui::DataSetModel(this))
{
    setModel(m_model);
    setFrameShape(QFrame::StyledPanel);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (m_fitting)
            return;
        if (m_proportions.size() <= column)
            m_proportions.resize(column + 1);
        m_proportions[column] = width;
        fitColumns();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &TcoDBGridEh::fitColumns);
    connect(m_model, &QAbstractItemModel::columnsInserted, this, &TcoDBGridEh::fitColumns);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    TcoColors::applyInput(this, false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (m_titleSort)
            clickTitle(column, QApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&TcoDBGridEh::rowDoubleClicked)))
            emit rowDoubleClicked();
        else
            m_hintArmed = m_showHintData;
    });
}

void TcoDBGridEh::setDataSource(ui::DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    m_model->setDataSet(source ? source->dataSet() : nullptr);
    if (source) {
        connect(source, &ui::DataSource::dataSetChanged, this, [this] { m_model->setDataSet(m_source->dataSet()); });
        connect(source, &ui::DataSource::dataChanged, this, &TcoDBGridEh::followDataSet);
    }
    followDataSet();
}

void TcoDBGridEh::setColumns(const QList<ui::GridColumn>& columns)
{
    m_proportions.clear();
    m_model->setColumns(columns);
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (columns[c].width > 0)
            setColumnWidth(int(c), columns[c].width);
    }
}

int TcoDBGridEh::columnOfField(const QString& field) const
{
    const int c = m_model->columnOfField(field);
    return c < 0 ? 0 : c;
}

void TcoDBGridEh::followDataSet()
{
    // The current row of the grid is the data set's current row.
    db::DataSet* ds = m_source ? m_source->dataSet() : nullptr;
    if (!ds || !ds->isActive() || ds->currentRow() < 0)
        return;
    const QModelIndex want = m_model->index(ds->currentRow(), std::max(0, currentIndex().column()));
    if (want.isValid() && currentIndex().row() != want.row()) {
        m_following = true;
        setCurrentIndex(want);
        m_following = false;
    }
}

void TcoDBGridEh::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    db::DataSet* ds = m_source ? m_source->dataSet() : nullptr;
    if (m_following || !ds || !current.isValid() || ds->currentRow() == current.row())
        return;
    if (ds->isEditing())
        ds->post();
    ds->setCurrentRow(current.row());
}

void TcoDBGridEh::clickTitle(int column, bool add)
{
    QList<QPair<int, bool>> markers = m_markers;
    qsizetype at = -1;
    for (qsizetype i = 0; i < markers.size(); ++i) {
        if (markers[i].first == column)
            at = i;
    }
    if (add) {
        if (at >= 0)
            markers[at].second = !markers[at].second;
        else
            markers << qMakePair(column, false);
    } else {
        const bool desc = at >= 0 && markers.size() == 1 ? !markers[at].second : false;
        markers = {qMakePair(column, desc)};
    }
    setSortMarkers(markers);
}

void TcoDBGridEh::setSortMarkers(const QList<QPair<int, bool>>& markers)
{
    m_markers = markers;
    m_model->setSortMarkers(markers);
    applySort();
    emit sortMarkingChanged();
}

QString TcoDBGridEh::indexFieldList() const
{
    QString list;
    for (const auto& [column, desc] : m_markers) {
        if (column < 0 || column >= m_model->columns().size())
            continue;
        const ui::GridColumn& c = m_model->columns().at(column);
        list += (c.sortField.isEmpty() ? c.field : c.sortField) + (desc ? QStringLiteral(" DESC") : QString()) + QLatin1Char(';');
    }
    return list;
}

void TcoDBGridEh::applySort()
{
    db::DataSet* ds = m_source ? m_source->dataSet() : nullptr;
    if (!ds)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        ds->setIndexFieldNames(indexFieldList());
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    followDataSet();
}

int TcoDBGridEh::emptyRow(int clientHeight, int titleHeight, int footerRows, int rowHeight)
{
    if (rowHeight <= 0)
        return 0;
    const int footer = footerRows > 0 ? footerRows * rowHeight + 1 : 0;
    return (clientHeight - titleHeight - footer) % rowHeight - 1;
}

int TcoDBGridEh::emptyRow() const
{
    const int client = height() - 2 * frameWidth();
    // The header's height as the view lays it out; right also before the grid is first shown.
    const QHeaderView* h = horizontalHeader();
    const int title = h->isHidden() ? 0 : std::max(h->minimumHeight(), h->sizeHint().height());
    return emptyRow(client, title, 0, verticalHeader()->defaultSectionSize());
}

void TcoDBGridEh::fitWholeRows(QWidget* owner)
{
    const int extra = emptyRow();
    if (extra <= 0)
        return;
    QWidget* target = owner ? owner : this;
    target->resize(target->width(), target->height() - extra);
}

QString TcoDBGridEh::recordHintText() const
{
    db::DataSet* ds = m_source ? m_source->dataSet() : nullptr;
    if (!ds || !ds->isActive() || ds->currentRow() < 0)
        return {};
    QStringList lines;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        const int f = ds->fieldIndex(m_model->fieldOf(c));
        if (f < 0)
            continue;
        lines << m_model->titleOf(c) + QStringLiteral(": ") + ui::DataSetModel::displayText(ds->value(f));
    }
    return lines.join(QLatin1Char('\n'));
}

void TcoDBGridEh::setAutoFitColWidths(bool on)
{
    m_autoFit = on;
    horizontalHeader()->setStretchLastSection(!on);
    fitColumns();
}

void TcoDBGridEh::fitColumns()
{
    QHeaderView* header = horizontalHeader();
    const int available = viewport()->width();
    if (!m_autoFit || m_fitting || available <= 0)
        return;
    QList<int> visible;
    qint64 total = 0;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c))
            continue;
        visible << c;
        const int p = c < m_proportions.size() ? m_proportions[c] : 0;
        total += p > 0 ? p : header->defaultSectionSize();
    }
    if (visible.isEmpty() || total <= 0)
        return;
    m_fitting = true;
    int used = 0;
    for (qsizetype i = 0; i < visible.size(); ++i) {
        const int c = visible[i];
        const int p = c < m_proportions.size() && m_proportions[c] > 0 ? m_proportions[c] : header->defaultSectionSize();
        // The last column takes what rounding left, so the columns fill the width exactly.
        const int w = i + 1 == visible.size() ? available - used : int(qint64(p) * available / total);
        header->resizeSection(c, std::max(w, header->minimumSectionSize()));
        used += header->sectionSize(c);
    }
    m_fitting = false;
}

void TcoDBGridEh::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitColumns();
}

bool TcoDBGridEh::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_hintArmed) {
        m_hintArmed = false;
        auto* help = static_cast<QHelpEvent*>(event);
        TcoHint::show(help->globalPos(), recordHintText(), this);
        return true;
    }
    return QTableView::viewportEvent(event);
}

void TcoDBGridEh::saveLayout(const QString& section) const
{
    QVariantMap v;
    v.insert(QStringLiteral("Columns"), horizontalHeader()->saveState());
    ui::LayoutStore::write(section, v);
}

void TcoDBGridEh::restoreLayout(const QString& section)
{
    const QVariantMap v = ui::LayoutStore::read(section);
    if (v.contains(QStringLiteral("Columns")))
        horizontalHeader()->restoreState(v.value(QStringLiteral("Columns")).toByteArray());
}

} // namespace vintora::shell
