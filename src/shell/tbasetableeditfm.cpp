#include "shell/tbasetableeditfm.h"

#include "catalogue/tdmcomming.h"
#include "shell/tbasedatadm.h"
#include "shell/tcodbgrideh.h"

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace vintora::shell {

TBASETableEditFM::TBASETableEditFM(QWidget* parent)
    : TBASERootFM(parent)
{
    setWindowTitle(QStringLiteral("Редактирование таблицы (справочника)"));
    resize(678, 335);
    auto* cat = catalogue::TdmComming::instance();
    taTable = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taTable->setObjectName(QStringLiteral("taTable"));
    dsTable = new ui::DataSource(taTable, this);

    grTable = new TcoDBGridEh(pnBase);
    grTable->setObjectName(QStringLiteral("grTable"));
    grTable->setDataSource(dsTable);
    pnBase->layout()->addWidget(grTable);
    grTable->installEventFilter(this);

    pnEdit = new QFrame(pnBase);
    pnEdit->setObjectName(QStringLiteral("pnEdit"));
    pnEdit->setFrameShape(QFrame::StyledPanel);
    pnEdit->setFrameShadow(QFrame::Raised);
    pnEdit->setAutoFillBackground(true);
    pnEdit->resize(308, 125);
    auto* editLayout = new QVBoxLayout(pnEdit);
    editLayout->setContentsMargins(4, 4, 4, 4);
    laCaption = new QLabel(pnEdit);
    laCaption->setAlignment(Qt::AlignCenter);
    laCaption->setAutoFillBackground(true);
    QPalette p = laCaption->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    p.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    laCaption->setPalette(p);
    editLayout->addWidget(laCaption);
    editFields = new QFormLayout;
    editFields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editLayout->addLayout(editFields);
    editLayout->addStretch();
    pnEdit->hide();

    auto add = [this](const char* name, const QString& text, int icon) {
        QAction* a = alMain->add(QString::fromLatin1(name), text, QStringLiteral("Dataset"));
        a->setIcon(TBASEDataDM::toolIcon(icon));
        a->setToolTip(text);
        tbMain->addAction(a);
        return a;
    };
    tbMain->addSeparator();
    acDataFirst = add("acDataFirst", QStringLiteral("Первая"), TBASEDataDM::ToolFirst);
    acDataPageUp = add("acDataPageUp", QStringLiteral("Страница вверх"), TBASEDataDM::ToolPageUp);
    acDataPrior = add("acDataPrior", QStringLiteral("Предыдущая"), TBASEDataDM::ToolPrior);
    acDataNext = add("acDataNext", QStringLiteral("Следующая"), TBASEDataDM::ToolNext);
    acDataPageDown = add("acDataPageDown", QStringLiteral("Страница вниз"), TBASEDataDM::ToolPageDown);
    acDataLast = add("acDataLast", QStringLiteral("Последняя"), TBASEDataDM::ToolLast);
    tbMain->addSeparator();
    acDataInsert = add("acDataInsert", QStringLiteral("Добавить"), TBASEDataDM::ToolInsert);
    acDataEdit = add("acDataEdit", QStringLiteral("Изменить"), TBASEDataDM::ToolEdit);
    acDataDelete = add("acDataDelete", QStringLiteral("Удалить"), TBASEDataDM::ToolDelete);
    tbMain->addSeparator();
    acRefresh = add("acRefresh", QStringLiteral("Обновить"), TBASEDataDM::ToolRefresh);
    tbMain->addSeparator();
    acDataPost = add("acDataPost", QStringLiteral("Сохранить"), TBASEDataDM::ToolPost);
    acDataCancel = add("acDataCancel", QStringLiteral("Отменить"), TBASEDataDM::ToolCancel);
    tbMain->addSeparator();
    imPrint = add("imPrint", QStringLiteral("Печать"), TBASEDataDM::ToolPrint);
    tbMain->addSeparator();
    edFind = new QLineEdit(this);
    edFind->setObjectName(QStringLiteral("edFind"));
    edFind->setToolTip(QStringLiteral("Поиск по первым буквам\r\n(нажать Enter)"));
    edFind->setMaximumWidth(140);
    tbMain->addWidget(edFind);
    connect(edFind, &QLineEdit::returnPressed, this, [this] { find(edFind->text()); });

    auto open = [this] { return taTable->isActive(); };
    auto notStart = [this, open] { return open() && !m_editing && taTable->recNo() > 1; };
    auto notEnd = [this, open] { return open() && !m_editing && taTable->recNo() < taTable->recordCount(); };
    for (QAction* a : {acDataFirst, acDataPageUp, acDataPrior})
        alMain->setEnabledRule(a, notStart);
    for (QAction* a : {acDataNext, acDataPageDown, acDataLast})
        alMain->setEnabledRule(a, notEnd);
    alMain->setEnabledRule(acDataInsert, [this, open] { return open() && !m_editing; });
    alMain->setEnabledRule(acDataEdit, [this, open] { return open() && !m_editing && taTable->recordCount() > 0; });
    alMain->setEnabledRule(acDataDelete, [this, open] { return open() && !m_editing && taTable->recordCount() > 0; });
    alMain->setEnabledRule(acDataPost, [this, open] { return open() && m_editing && taTable->isEditing(); });
    alMain->setEnabledRule(acDataCancel, [this, open] { return open() && m_editing; });
    alMain->setEnabledRule(acRefresh, [this, open] { return open() && !m_editing; });
    alMain->setEnabledRule(imPrint, [this, open] { return open() && !m_editing; });

    // Commands follow the table at once, not only when the event loop goes idle: a row started
    // in code (a new rule from a text) must be savable right away.
    connect(dsTable, &ui::DataSource::stateChanged, alMain, &ui::ActionList::update);
    connect(taTable, &db::DataSet::afterScroll, alMain, &ui::ActionList::update);
    connect(taTable, &db::DataSet::afterOpen, alMain, &ui::ActionList::update);
    connect(taTable, &db::DataSet::afterClose, alMain, &ui::ActionList::update);

    connect(acDataFirst, &QAction::triggered, this, [this] { taTable->first(); });
    connect(acDataPrior, &QAction::triggered, this, [this] { taTable->prior(); });
    connect(acDataNext, &QAction::triggered, this, [this] { taTable->next(); });
    connect(acDataLast, &QAction::triggered, this, [this] { taTable->last(); });
    connect(acDataPageUp, &QAction::triggered, this, [this] { taTable->moveBy(2 - visibleRows()); });
    connect(acDataPageDown, &QAction::triggered, this, [this] { taTable->moveBy(visibleRows() - 2); });
    connect(acDataInsert, &QAction::triggered, this, [this] {
        SetEditing(true);
        taTable->append();
    });
    connect(acDataEdit, &QAction::triggered, this, [this] { SetEditing(true); });
    connect(acDataPost, &QAction::triggered, this, [this] {
        taTable->post();
        SetEditing(false);
    });
    connect(acDataCancel, &QAction::triggered, this, [this] {
        taTable->cancel();
        SetEditing(false);
    });
    connect(acRefresh, &QAction::triggered, this, [this] { taTable->refresh(); });
    connect(acDataDelete, &QAction::triggered, this, &TBASETableEditFM::deleteRow);
    connect(imPrint, &QAction::triggered, this, &TBASETableEditFM::print);
}

void TBASETableEditFM::openTable()
{
    taTable->open();
    PlaceEditPanel();
    alMain->update();
}

int TBASETableEditFM::visibleRows() const
{
    const int h = grTable->verticalHeader()->defaultSectionSize();
    return h > 0 ? std::max(1, grTable->viewport()->height() / h) : 1;
}

void TBASETableEditFM::PlaceEditPanel()
{
    const int border = 4;
    // The panel's own layout may need more than its designed size; place it at the size it
    // will have, so it keeps its margin from the window's edges.
    pnEdit->layout()->activate();
    pnEdit->resize(pnEdit->size().expandedTo(pnEdit->minimumSizeHint()));
    const QSize c = pnBase->size();
    pnEdit->move(c.width() - pnEdit->width() - border - 1, c.height() - pnEdit->height() - border - 1);
    pnBase->setMinimumSize(pnEdit->width() + 2 * border + 2, pnEdit->height() + 2 * border + 2);
}

void TBASETableEditFM::SetEditing(bool on)
{
    if (on == m_editing)
        return;
    m_editing = on;
    grTable->setEnabled(!on);
    imPrint->setEnabled(!on);
    if (on) {
        PlaceEditPanel();
        pnEdit->show();
        pnEdit->raise();
        if (QWidget* first = pnEdit->nextInFocusChain(); first && pnEdit->isAncestorOf(first))
            first->setFocus();
    } else {
        pnEdit->hide();
        grTable->setFocus();
    }
    alMain->update();
}

void TBASETableEditFM::deleteRow()
{
    const int position = taTable->currentRow();
    taTable->deleteRecord();
    // The previous row (the new first one when the first was deleted). Set explicitly: the grid
    // may have moved the cursor while the row was being removed from under it.
    if (taTable->recordCount() > 0)
        taTable->setCurrentRow(std::clamp(position - 1, 0, taTable->recordCount() - 1));
    // The sort order's fields (without direction marks) find the neighbour again after the re-read.
    QStringList fields;
    for (const QString& part : taTable->indexFieldNames().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString f = part.trimmed();
        if (f.endsWith(QLatin1String(" DESC"), Qt::CaseInsensitive))
            f.chop(5);
        fields << f.trimmed();
    }
    QVariantList values;
    for (const QString& f : std::as_const(fields))
        values << (taTable->recordCount() > 0 ? taTable->value(f) : QVariant());
    taTable->refresh();
    if (!fields.isEmpty() && taTable->recordCount() > 0)
        taTable->locate(fields.join(QLatin1Char(';')), values);
}

bool TBASETableEditFM::find(const QString& text)
{
    const QString field = grTable->gridModel()->fieldOf(0);
    if (field.isEmpty() || !taTable->isActive())
        return false;
    return taTable->locate(field, text, db::LocateOptions{true, true});
}

void TBASETableEditFM::print()
{
    QString html = QStringLiteral("<h3>%1</h3><table border=1 cellspacing=0 cellpadding=2><tr>").arg(windowTitle().toHtmlEscaped());
    const auto* m = grTable->gridModel();
    for (int c = 0; c < m->columnCount(); ++c)
        html += QStringLiteral("<th>%1</th>").arg(m->titleOf(c).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int r = 0; r < m->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < m->columnCount(); ++c)
            html += QStringLiteral("<td>%1</td>").arg(m->data(m->index(r, c)).toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument doc;
    doc.setHtml(html);
    doc.print(&printer);
}

void TBASETableEditFM::resizeEvent(QResizeEvent* event)
{
    TBASERootFM::resizeEvent(event);
    PlaceEditPanel();
    // The window gives up the pixels below the grid's last whole row, so no half row shows.
    if (m_fitting || !isVisible() || windowState() != Qt::WindowNoState)
        return;
    const int extra = grTable->emptyRow();
    if (extra > 0 && height() - extra >= minimumHeight()) {
        m_fitting = true;
        resize(width(), height() - extra);
        m_fitting = false;
    }
}

bool TBASETableEditFM::eventFilter(QObject* watched, QEvent* event)
{
    // A delete typed in the grid asks first (the command in the tool bar does not).
    if (watched == grTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier) {
        if (acDataDelete->isEnabled())
            acDataDelete->trigger();
        return true;
    }
    return TBASERootFM::eventFilter(watched, event);
}

} // namespace vintora::shell
