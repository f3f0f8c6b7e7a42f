// The program's own controls: input colour, combo items and values, grid title sorting and
// whole-row fitting, the record hint, the picture box, the progress caption, the folder dialog
// and the hint window.
#include "shellfixture.h"

#include "shell/tcocolors.h"
#include "shell/tcodbcombobox.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tcodbimage.h"
#include "shell/tcodblookupcombo.h"
#include "shell/tcodbmemo.h"
#include "shell/tcoedit.h"
#include "shell/tcohint.h"
#include "shell/tcolistbox.h"
#include "shell/tcoprogressbar.h"
#include "shell/tcoshellfolderbrowse.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>

using namespace vintora;
using namespace vintora::shell;

Q_DECLARE_METATYPE(TcoDBImage::PictureKind)

namespace {

// An open in-memory data set with the given fields and rows.
std::unique_ptr<db::DataSet> memorySet(const QList<db::FieldDef>& fields, const QList<QVariantList>& rows)
{
    auto ds = std::make_unique<db::DataSet>();
    for (const db::FieldDef& f : fields)
        ds->addField(f);
    ds->open();
    for (const QVariantList& row : rows) {
        ds->append();
        for (int i = 0; i < row.size(); ++i)
            ds->setValue(i, row[i]);
        ds->post();
    }
    if (!rows.isEmpty())
        ds->first();
    return ds;
}

db::FieldDef field(const QString& name, QMetaType::Type type, bool readOnly = false)
{
    db::FieldDef f;
    f.name = name;
    f.displayLabel = name;
    f.type = type;
    f.readOnly = readOnly;
    return f;
}

QColor baseOf(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::Base);
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    image.save(&b, format);
    return out;
}

QImage testPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QPainter p(&image);
    p.fillRect(0, 0, 20, 15, QColor(20, 60, 200));
    return image;
}

// A 1 x 1 GIF (Qt reads GIF but does not write it).
const QByteArray gif1x1 = QByteArray::fromHex(
    "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
// The start of a placeable metafile.
const QByteArray metafile = QByteArray::fromHex("d7cdc69a0000000000001000100060000000000000");

using Clicks = QList<QPair<int, bool>>; // (column, with Ctrl)

} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A fixed palette, so that the colours below do not depend on the platform theme.
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, QColor(212, 208, 200));
        p.setColor(QPalette::Base, QColor(255, 255, 255));
        QApplication::setPalette(p);
        TcoColors::recompute();
    }

    void inputColourRule_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("window");
        QTest::addColumn<double>("part");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("classic face, white, 70%") << QColor(212, 208, 200) << QColor(255, 255, 255) << 0.7 << QColor(242, 241, 239);
        QTest::newRow("classic face, white, 50%") << QColor(212, 208, 200) << QColor(255, 255, 255) << 0.5 << QColor(234, 232, 228);
        QTest::newRow("light face, halves up") << QColor(240, 240, 240) << QColor(255, 255, 255) << 0.7 << QColor(251, 251, 251);
        QTest::newRow("dark window below the face") << QColor(60, 60, 60) << QColor(30, 40, 50) << 0.7 << QColor(51, 54, 57);
        QTest::newRow("equal colours") << QColor(100, 150, 200) << QColor(100, 150, 200) << 0.7 << QColor(100, 150, 200);
    }
    void inputColourRule()
    {
        QFETCH(QColor, face);
        QFETCH(QColor, window);
        QFETCH(double, part);
        QFETCH(QColor, expected);
        QCOMPARE(TcoColors::blend(face, window, part), expected);
    }

    void inputColourFollowsState_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("edit read-only") << QStringLiteral("edit-readonly");
        QTest::newRow("edit read-only through QLineEdit") << QStringLiteral("edit-qlineedit");
        QTest::newRow("edit disabled") << QStringLiteral("edit-disabled");
        QTest::newRow("memo read-only") << QStringLiteral("memo-readonly");
        QTest::newRow("data-aware edit read-only") << QStringLiteral("dbedit-readonly");
        QTest::newRow("combo read-only") << QStringLiteral("combo-readonly");
        QTest::newRow("lookup combo read-only") << QStringLiteral("lookup-readonly");
        QTest::newRow("list box disabled") << QStringLiteral("list-disabled");
    }
    void inputColourFollowsState()
    {
        QFETCH(QString, how);
        const QColor input = TcoColors::inputColor();
        const QColor face = TcoColors::buttonFace();
        QCOMPARE(input, QColor(242, 241, 239));
        auto ds = memorySet({field(QStringLiteral("Name"), QMetaType::QString)}, {{QStringLiteral("x")}});
        ui::DataSource source(ds.get());

        std::unique_ptr<QWidget> w;
        std::function<void(bool)> inactive;
        if (how.startsWith(QLatin1String("edit"))) {
            auto* e = new TcoEdit;
            w.reset(e);
            if (how == QLatin1String("edit-readonly"))
                inactive = [e](bool on) { e->setReadOnly(on); };
            else if (how == QLatin1String("edit-qlineedit"))
                inactive = [e](bool on) { static_cast<QLineEdit*>(e)->setReadOnly(on); };
            else
                inactive = [e](bool on) { e->setEnabled(!on); };
        } else if (how == QLatin1String("memo-readonly")) {
            auto* m = new TcoDBMemo;
            m->bind(&source, QStringLiteral("Name"));
            w.reset(m);
            inactive = [m](bool on) { m->setReadOnly(on); };
        } else if (how == QLatin1String("dbedit-readonly")) {
            auto* e = new TcoDBEdit;
            e->bind(&source, QStringLiteral("Name"));
            w.reset(e);
            inactive = [e](bool on) { e->setReadOnly(on); };
        } else if (how == QLatin1String("lookup-readonly")) {
            auto* c = new TcoDBLookupCombo;
            c->bind(&source, QStringLiteral("Name"));
            w.reset(c);
            inactive = [c](bool on) { c->setReadOnly(on); };
        } else if (how == QLatin1String("list-disabled")) {
            auto* l = new TcoListBox;
            w.reset(l);
            inactive = [l](bool on) { l->setEnabled(!on); };
        } else {
            auto* c = new TcoDBComboBox;
            c->bind(&source, QStringLiteral("Name"));
            w.reset(c);
            inactive = [c](bool on) { c->setReadOnly(on); };
        }
        QCOMPARE(baseOf(*w), input);
        inactive(true);
        QCOMPARE(baseOf(*w), face);
        inactive(false);
        QCOMPARE(baseOf(*w), input);
    }

    void readOnlyFieldTakesButtonFace()
    {
        auto ds = memorySet({field(QStringLiteral("Name"), QMetaType::QString)}, {{QStringLiteral("x")}});
        ds->fieldDef(QStringLiteral("Name")).readOnly = true;
        ui::DataSource source(ds.get());
        TcoDBEdit edit;
        edit.bind(&source, QStringLiteral("Name"));
        QVERIFY(edit.isReadOnly());
        QCOMPARE(baseOf(edit), TcoColors::buttonFace());
        // The window's own choice does not make a read-only field editable.
        edit.setReadOnly(false);
        QCOMPARE(baseOf(edit), TcoColors::buttonFace());
    }

    void comboItemsAndValues_data()
    {
        QTest::addColumn<bool>("enableValues");
        QTest::addColumn<QVariant>("held");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("choose");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("5 shows CD-ROM, HDD stores 3") << true << QVariant(5) << 1 << 0 << QVariant(3);
        QTest::newRow("3 shows HDD, CD-ROM stores 5") << true << QVariant(3) << 0 << 1 << QVariant(5);
        QTest::newRow("unknown value shows nothing") << true << QVariant(7) << -1 << 1 << QVariant(5);
        QTest::newRow("empty field shows nothing") << true << QVariant() << -1 << 0 << QVariant(3);
        QTest::newRow("values off: the item text is stored") << false << QVariant(QStringLiteral("HDD")) << 0 << 1
                                                             << QVariant(QStringLiteral("CD-ROM"));
    }
    void comboItemsAndValues()
    {
        QFETCH(bool, enableValues);
        QFETCH(QVariant, held);
        QFETCH(int, shown);
        QFETCH(int, choose);
        QFETCH(QVariant, stored);
        const QMetaType::Type type = enableValues ? QMetaType::Int : QMetaType::QString;
        auto ds = memorySet({field(QStringLiteral("Kind"), type)}, {{held}});
        ui::DataSource source(ds.get());
        TcoDBComboBox combo;
        combo.setEnableValues(enableValues);
        combo.setItemsAndValues({QStringLiteral("HDD"), QStringLiteral("CD-ROM")}, {QStringLiteral("3"), QStringLiteral("5")});
        combo.bind(&source, QStringLiteral("Kind"));
        QCOMPARE(combo.currentIndex(), shown);

        combo.choose(choose);
        QCOMPARE(ds->state(), db::DataSetState::Edit);
        QCOMPARE(ds->value(QStringLiteral("Kind")), stored);
        QCOMPARE(combo.currentIndex(), choose);
        ds->post();
        QCOMPARE(ds->value(QStringLiteral("Kind")), stored);
        QCOMPARE(combo.currentIndex(), choose);
    }

    void comboReadOnlyStoresNothing()
    {
        auto ds = memorySet({field(QStringLiteral("Kind"), QMetaType::Int)}, {{5}});
        ui::DataSource source(ds.get());
        TcoDBComboBox combo;
        combo.setItemsAndValues({QStringLiteral("HDD"), QStringLiteral("CD-ROM")}, {QStringLiteral("3"), QStringLiteral("5")});
        combo.bind(&source, QStringLiteral("Kind"));
        combo.setReadOnly(true);
        combo.choose(0);
        QCOMPARE(ds->state(), db::DataSetState::Browse);
        QCOMPARE(ds->value(QStringLiteral("Kind")).toInt(), 5);
        QCOMPARE(combo.currentIndex(), 1);
    }

    // Title clicks as the user makes them: a plain click marks one column (again: turns it
    // round), Ctrl+click adds a column or turns an added one.
    void gridSortByTitles_data()
    {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<QString>("indexList");
        QTest::addColumn<QString>("order"); // the Name column top to bottom
        using C = Clicks;
        QTest::newRow("A") << C{{0, false}} << QStringLiteral("A;") << QStringLiteral("r3 r1 r4 r2");
        QTest::newRow("A twice: descending") << C{{0, false}, {0, false}} << QStringLiteral("A DESC;")
                                             << QStringLiteral("r2 r1 r4 r3");
        QTest::newRow("A, Ctrl B, Ctrl B") << C{{0, false}, {1, true}, {1, true}} << QStringLiteral("A;B DESC;")
                                           << QStringLiteral("r3 r4 r1 r2");
        QTest::newRow("plain click starts over") << C{{0, false}, {1, true}, {1, false}} << QStringLiteral("B;")
                                                 << QStringLiteral("r2 r1 r3 r4");
        QTest::newRow("column sorting by another field") << C{{2, false}} << QStringLiteral("B;")
                                                         << QStringLiteral("r2 r1 r3 r4");
    }
    void gridSortByTitles()
    {
        QFETCH(Clicks, clicks);
        QFETCH(QString, indexList);
        QFETCH(QString, order);
        auto ds = memorySet({field(QStringLiteral("A"), QMetaType::Int), field(QStringLiteral("B"), QMetaType::Int),
                             field(QStringLiteral("Name"), QMetaType::QString)},
                            {{2, 3, QStringLiteral("r1")}, {3, 1, QStringLiteral("r2")}, {1, 5, QStringLiteral("r3")},
                             {2, 9, QStringLiteral("r4")}});
        ui::DataSource source(ds.get());
        TcoDBGridEh grid;
        grid.setDataSource(&source);
        ui::GridColumn byB(QStringLiteral("Name"), QStringLiteral("Name"));
        byB.sortField = QStringLiteral("B");
        grid.setColumns({ui::GridColumn(QStringLiteral("A")), ui::GridColumn(QStringLiteral("B")), byB});
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        ds->locate(QStringLiteral("Name"), QStringLiteral("r4"));

        QHeaderView* header = grid.horizontalHeader();
        for (const auto& [column, ctrl] : clicks) {
            const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier, at);
        }
        QCOMPARE(grid.indexFieldList(), indexList);
        QCOMPARE(ds->indexFieldNames(), indexList);
        QStringList names;
        for (int r = 0; r < ds->recordCount(); ++r)
            names << ds->rowValue(r, 2).toString();
        QCOMPARE(names.join(QLatin1Char(' ')), order);
        // The sort stays on the record, and the grid shows it.
        QCOMPARE(ds->text(QStringLiteral("Name")), QStringLiteral("r4"));
        QCOMPARE(grid.currentIndex().row(), ds->currentRow());
    }

    void gridEmptyRow_data()
    {
        QTest::addColumn<int>("client");
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("footerRows");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("8 pixels left") << 100 << 20 << 0 << 18 << 7;
        QTest::newRow("whole rows exactly") << 92 << 20 << 0 << 18 << -1;
        QTest::newRow("no titles") << 100 << 0 << 0 << 18 << 9;
        QTest::newRow("one footer row") << 100 << 20 << 1 << 18 << 6;
        QTest::newRow("two footer rows") << 120 << 20 << 2 << 18 << 8;
    }
    void gridEmptyRow()
    {
        QFETCH(int, client);
        QFETCH(int, title);
        QFETCH(int, footerRows);
        QFETCH(int, rowHeight);
        QFETCH(int, expected);
        QCOMPARE(TcoDBGridEh::emptyRow(client, title, footerRows, rowHeight), expected);
    }

    void gridFitsWholeRows_data()
    {
        QTest::addColumn<bool>("titles");
        QTest::addColumn<bool>("owner");
        QTest::newRow("own height, titles") << true << false;
        QTest::newRow("own height, no titles") << false << false;
        QTest::newRow("owner shrinks") << true << true;
    }
    void gridFitsWholeRows()
    {
        QFETCH(bool, titles);
        QFETCH(bool, owner);
        // Not shown: fitting runs while windows are being built.
        QWidget panel;
        panel.resize(300, 211);
        TcoDBGridEh grid(&panel);
        grid.horizontalHeader()->setVisible(titles);
        grid.verticalHeader()->setDefaultSectionSize(18);
        grid.setGeometry(0, 0, 300, 211);
        const int before = grid.emptyRow();
        const int header = titles ? grid.horizontalHeader()->sizeHint().height() : 0;
        QCOMPARE(before, (211 - 2 * grid.frameWidth() - header) % 18 - 1);
        QVERIFY(before > 0);
        if (owner) {
            grid.fitWholeRows(&panel);
            QCOMPARE(panel.height(), 211 - before);
            QCOMPARE(grid.height(), 211);
        } else {
            grid.fitWholeRows();
            QCOMPARE(grid.height(), 211 - before);
            // One pixel stays: the line under the last row.
            QCOMPARE(grid.emptyRow(), 0);
        }
    }

    void gridColumnsFitWidth()
    {
        auto ds = memorySet({field(QStringLiteral("A"), QMetaType::Int), field(QStringLiteral("B"), QMetaType::QString)},
                            {{1, QStringLiteral("r1")}});
        ui::DataSource source(ds.get());
        TcoDBGridEh grid;
        grid.setDataSource(&source);
        ui::GridColumn a(QStringLiteral("A"));
        a.width = 50;
        ui::GridColumn b(QStringLiteral("B"));
        b.width = 150;
        grid.setColumns({a, b});
        QHeaderView* header = grid.horizontalHeader();
        for (const int width : {300, 500, 260}) {
            grid.resize(width, 200);
            grid.show();
            QVERIFY(QTest::qWaitForWindowExposed(&grid));
            const int client = grid.viewport()->width();
            QCOMPARE(header->sectionSize(0) + header->sectionSize(1), client);
            QVERIFY2(qAbs(header->sectionSize(1) - 3 * header->sectionSize(0)) <= 3,
                     qPrintable(QStringLiteral("%1 / %2").arg(header->sectionSize(0)).arg(header->sectionSize(1))));
        }
        // A width set later is the column's new share.
        grid.setColumnWidth(0, grid.viewport()->width());
        QCOMPARE(header->sectionSize(0) + header->sectionSize(1), grid.viewport()->width());
        QVERIFY(header->sectionSize(0) > header->sectionSize(1));
    }

    void gridRecordHint()
    {
        auto ds = memorySet({field(QStringLiteral("ID"), QMetaType::Int), field(QStringLiteral("Title"), QMetaType::QString),
                             field(QStringLiteral("Year"), QMetaType::Int)},
                            {{1, QStringLiteral("Первый"), 1971}, {2, QStringLiteral("Второй"), 1975}});
        ui::DataSource source(ds.get());
        TcoDBGridEh grid;
        grid.setDataSource(&source);
        grid.setColumns({ui::GridColumn(QStringLiteral("ID")), ui::GridColumn(QStringLiteral("Title"), QStringLiteral("Альбом")),
                         ui::GridColumn(QStringLiteral("Year"), QStringLiteral("Год"))});
        grid.setColumnHidden(0, true);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QPoint row2 = grid.visualRect(grid.model()->index(1, 1)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, row2);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, row2);
        QVERIFY(grid.hintArmed());
        QCOMPARE(grid.recordHintText(), QStringLiteral("Альбом: Второй\nГод: 1975"));
        QHelpEvent help(QEvent::ToolTip, row2, grid.viewport()->mapToGlobal(row2));
        QApplication::sendEvent(grid.viewport(), &help);
        QVERIFY(!grid.hintArmed());

        // A window that handles double-clicks itself gets them; no hint arms.
        int handled = 0;
        const auto handler = connect(&grid, &TcoDBGridEh::rowDoubleClicked, this, [&handled] { ++handled; });
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, row2);
        QCOMPARE(handled, 1);
        QVERIFY(!grid.hintArmed());
        disconnect(handler);
        grid.setShowHintData(false);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, row2);
        QVERIFY(!grid.hintArmed());
    }

    void pictureKind_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<TcoDBImage::PictureKind>("kind");
        QTest::addColumn<QSize>("size"); // invalid: not shown
        const QImage pic = testPicture();
        QTest::newRow("JPEG") << encoded(pic, "JPEG") << TcoDBImage::PictureKind::Jpeg << QSize(40, 30);
        QTest::newRow("BMP") << encoded(pic, "BMP") << TcoDBImage::PictureKind::Bitmap << QSize(40, 30);
        QTest::newRow("PNG, read by content") << encoded(pic, "PNG") << TcoDBImage::PictureKind::Other << QSize(40, 30);
        QTest::newRow("GIF, read by content") << gif1x1 << TcoDBImage::PictureKind::Other << QSize(1, 1);
        QTest::newRow("icon") << encoded(pic.scaled(16, 16), "ICO") << TcoDBImage::PictureKind::Icon << QSize(16, 16);
        QTest::newRow("metafile, kept but not shown") << metafile << TcoDBImage::PictureKind::Metafile << QSize();
        QTest::newRow("damaged JPEG") << QByteArray::fromHex("ffd8ffe000104a46") << TcoDBImage::PictureKind::Jpeg << QSize();
        QTest::newRow("not a picture") << QByteArray("hello") << TcoDBImage::PictureKind::Other << QSize();
        QTest::newRow("one byte") << QByteArray("B") << TcoDBImage::PictureKind::None << QSize();
    }
    void pictureKind()
    {
        QFETCH(QByteArray, data);
        QFETCH(TcoDBImage::PictureKind, kind);
        QFETCH(QSize, size);
        QCOMPARE(TcoDBImage::kindOf(data), kind);
        auto ds = memorySet({field(QStringLiteral("Picture"), QMetaType::QByteArray)}, {{data}});
        ui::DataSource source(ds.get());
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        QCOMPARE(box.kind(), kind);
        QCOMPARE(box.image().isNull() ? QSize() : box.image().size(), size);
    }

    // What a paste stores: pixels become JPEG, encoded JPEG and GIF and metafiles stay as they
    // came; Escape puts the old picture back.
    void pastePicture_data()
    {
        QTest::addColumn<QString>("offer");
        QTest::addColumn<TcoDBImage::PictureKind>("storedKind");
        QTest::addColumn<bool>("unchanged"); // the bytes are the clipboard's
        QTest::newRow("bitmap pixels") << QStringLiteral("pixels") << TcoDBImage::PictureKind::Jpeg << false;
        QTest::newRow("BMP bytes") << QStringLiteral("image/bmp") << TcoDBImage::PictureKind::Jpeg << false;
        QTest::newRow("PNG screenshot") << QStringLiteral("image/png") << TcoDBImage::PictureKind::Jpeg << false;
        QTest::newRow("JPEG bytes") << QStringLiteral("image/jpeg") << TcoDBImage::PictureKind::Jpeg << true;
        QTest::newRow("GIF bytes") << QStringLiteral("image/gif") << TcoDBImage::PictureKind::Other << true;
        QTest::newRow("metafile") << QStringLiteral("image/x-wmf") << TcoDBImage::PictureKind::Metafile << true;
    }
    void pastePicture()
    {
        QFETCH(QString, offer);
        QFETCH(TcoDBImage::PictureKind, storedKind);
        QFETCH(bool, unchanged);
        const QImage pic = testPicture();
        QByteArray bytes;
        auto* mime = new QMimeData;
        if (offer == QLatin1String("pixels")) {
            mime->setImageData(pic);
        } else {
            bytes = offer == QLatin1String("image/gif")     ? gif1x1
                    : offer == QLatin1String("image/x-wmf") ? metafile
                                                            : encoded(pic, offer == QLatin1String("image/bmp") ? "BMP"
                                                                           : offer == QLatin1String("image/png") ? "PNG"
                                                                                                                 : "JPEG");
            mime->setData(offer, bytes);
        }
        QApplication::clipboard()->setMimeData(mime);

        const QByteArray old = encoded(pic.scaled(10, 10), "BMP");
        auto ds = memorySet({field(QStringLiteral("Picture"), QMetaType::QByteArray)}, {{old}});
        ui::DataSource source(ds.get());
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        box.show();
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ds->state(), db::DataSetState::Edit);
        const QByteArray stored = ds->value(QStringLiteral("Picture")).toByteArray();
        QCOMPARE(TcoDBImage::kindOf(stored), storedKind);
        QCOMPARE(box.kind(), storedKind);
        if (unchanged) {
            QCOMPARE(stored, bytes);
        } else {
            const QImage back = TcoDBImage::decode(stored);
            QCOMPARE(back.size(), pic.size());
            QVERIFY(qAbs(qRed(back.pixel(30, 20)) - 200) < 16); // the same picture, through JPEG
        }

        QTest::keyClick(&box, Qt::Key_Escape);
        QCOMPARE(ds->value(QStringLiteral("Picture")).toByteArray(), old);
        QCOMPARE(box.kind(), TcoDBImage::PictureKind::Bitmap);
    }

    void pastedJpegIsPosted()
    {
        auto ds = memorySet({field(QStringLiteral("Picture"), QMetaType::QByteArray)}, {{QVariant()}});
        ui::DataSource source(ds.get());
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        QApplication::clipboard()->setImage(testPicture());
        QVERIFY(box.pasteFromClipboard());
        ds->post();
        QCOMPARE(TcoDBImage::kindOf(ds->value(QStringLiteral("Picture")).toByteArray()), TcoDBImage::PictureKind::Jpeg);
        QCOMPARE(box.image().size(), QSize(40, 30));
    }

    // A pasted cover reaches the catalogue's picture column as JPEG on both servers.
    void pastedCoverStoredInCatalogue_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    void pastedCoverStoredInCatalogue()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        db::Connection& c = cat.connection();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (:ID, :Name)"),
                  {{QStringLiteral("ID"), 1}, {QStringLiteral("Name"), QStringLiteral("Исполнитель")}});
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Title) VALUES (:ID, :P, :T)"),
                  {{QStringLiteral("ID"), 7}, {QStringLiteral("P"), 1}, {QStringLiteral("T"), QStringLiteral("Альбом")}});
        db::DataSet album(&c);
        album.setSql(QStringLiteral("select * from Album where ID = :ID"));
        album.setParam(QStringLiteral("ID"), 7);
        album.open();
        ui::DataSource source(&album);
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        QCOMPARE(box.kind(), TcoDBImage::PictureKind::None);
        QApplication::clipboard()->setImage(testPicture());
        QVERIFY(box.pasteFromClipboard());
        album.post();

        db::DataSet again(&c);
        again.setSql(QStringLiteral("select Picture from Album where ID = :ID"));
        again.setParam(QStringLiteral("ID"), 7);
        again.open();
        const QByteArray stored = again.value(QStringLiteral("Picture")).toByteArray();
        QCOMPARE(TcoDBImage::kindOf(stored), TcoDBImage::PictureKind::Jpeg);
        QCOMPARE(TcoDBImage::decode(stored).size(), QSize(40, 30));
    }

    void pasteRefusedWhereNothingMayChange_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("read-only box") << QStringLiteral("box");
        QTest::newRow("read-only field") << QStringLiteral("field");
        QTest::newRow("no picture on the clipboard") << QStringLiteral("text");
    }
    void pasteRefusedWhereNothingMayChange()
    {
        QFETCH(QString, why);
        const QByteArray old = encoded(testPicture(), "JPEG");
        auto ds = memorySet({field(QStringLiteral("Picture"), QMetaType::QByteArray)}, {{old}});
        ds->fieldDef(QStringLiteral("Picture")).readOnly = why == QLatin1String("field");
        ui::DataSource source(ds.get());
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        box.setReadOnly(why == QLatin1String("box"));
        if (why == QLatin1String("text"))
            QApplication::clipboard()->setText(QStringLiteral("not a picture"));
        else
            QApplication::clipboard()->setImage(testPicture().scaled(5, 5));
        QVERIFY(!box.pasteFromClipboard());
        QCOMPARE(ds->state(), db::DataSetState::Browse);
        QCOMPARE(ds->value(QStringLiteral("Picture")).toByteArray(), old);
    }

    void copyPicture()
    {
        const QImage pic = testPicture();
        auto ds = memorySet({field(QStringLiteral("Picture"), QMetaType::QByteArray)}, {{encoded(pic, "PNG")}});
        ui::DataSource source(ds.get());
        TcoDBImage box;
        box.bind(&source, QStringLiteral("Picture"));
        QApplication::clipboard()->clear();
        box.show();
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), pic.size());
    }

    void progressCaption_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << 0 << 4 << QStringLiteral("Обработка (0%)");
        QTest::newRow("a quarter") << 1 << 4 << QStringLiteral("Обработка (25%)");
        QTest::newRow("a third rounds") << 1 << 3 << QStringLiteral("Обработка (33%)");
        QTest::newRow("two thirds rounds up") << 2 << 3 << QStringLiteral("Обработка (67%)");
        QTest::newRow("done") << 4 << 4 << QStringLiteral("Обработка (100%)");
        QTest::newRow("no maximum: the caption alone") << 0 << 0 << QStringLiteral("Обработка");
    }
    void progressCaption()
    {
        QFETCH(int, position);
        QFETCH(int, maximum);
        QFETCH(QString, expected);
        QCOMPARE(TcoProgressBar::labelText(QStringLiteral("Обработка"), position, maximum), expected);
    }

    void progressOperations()
    {
        TcoProgressBar bar;
        bar.setMaximum(0);
        bar.addMaximum(3, QStringLiteral("Файлы"));
        QCOMPARE(bar.maximum(), 3);
        bar.step();
        QCOMPARE(bar.value(), 1);
        auto* label = bar.findChild<QLabel*>();
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Файлы (33%)"));
        QCOMPARE(label->x(), 4);
        bar.addMaximum(1);
        QCOMPARE(label->text(), QStringLiteral("Файлы (25%)"));
        bar.setPosition(4);
        bar.step(); // never past the maximum
        QCOMPARE(bar.value(), 4);
        QCOMPARE(label->text(), QStringLiteral("Файлы (100%)"));
        bar.setCaption(QStringLiteral("Папки"));
        QCOMPARE(label->text(), QStringLiteral("Папки (100%)"));
    }

    void folderPathShortened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fits") << QStringLiteral("/home/music/Rock") << 260 << QStringLiteral("/home/music/Rock");
        QTest::newRow("inner elements give way") << QStringLiteral("/home/collector/music/lossless/Rock/1971") << 25
                                                 << QStringLiteral("/.../lossless/Rock/1971");
        QTest::newRow("keeps the first element") << QStringLiteral("media/disk/archive/2015/covers") << 20
                                                 << QStringLiteral("media/.../covers");
        QTest::newRow("a long last element is cut") << QStringLiteral("/a/") + QString(30, QLatin1Char('x')) << 12
                                                    << QStringLiteral("/.../xxxxxxx");
    }
    void folderPathShortened()
    {
        QFETCH(QString, path);
        QFETCH(int, max);
        QFETCH(QString, expected);
        const QString s = TcoShellFolderBrowse::shortenPath(path, max);
        QCOMPARE(s, expected);
        QVERIFY(s.size() <= max);
    }

    void folderDialogOpensOnDirectory()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Rock/1971")));
        const QString start = dir.path() + QStringLiteral("/Rock");
        TcoShellFolderBrowse browse;
        browse.Directory = start;
        browse.Title = QStringLiteral("Папка с файлами");
        int initialized = 0;
        connect(&browse, &TcoShellFolderBrowse::initialized, this, [&initialized] { ++initialized; });
        QString title, status, opened;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            opened = dialog->directory().absolutePath();
            if (auto* l = dialog->findChild<QLabel*>(QStringLiteral("laStatus")))
                status = l->text();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QVERIFY(browse.execute());
        QCOMPARE(initialized, 1);
        QCOMPARE(title, browse.Title);
        QCOMPARE(opened, QDir(start).absolutePath());
        QCOMPARE(status, QDir::toNativeSeparators(QDir(start).absolutePath()));
        QCOMPARE(browse.Directory, QDir(start).absolutePath() + QLatin1Char('/'));
    }

    void folderDialogCancelKeepsDirectory()
    {
        TcoShellFolderBrowse browse;
        browse.Directory = QStringLiteral("/no/such/folder");
        QTimer::singleShot(0, this, [] {
            if (auto* d = QApplication::activeModalWidget())
                static_cast<QDialog*>(d)->reject();
        });
        QVERIFY(!browse.execute());
        QCOMPARE(browse.Directory, QStringLiteral("/no/such/folder"));
    }

    void hintPlacement_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        // Screen 1000 x 800, hint 200 x 50.
        QTest::newRow("upper left: below right") << QPoint(100, 100) << QPoint(106, 106);
        QTest::newRow("upper right: below left") << QPoint(900, 100) << QPoint(694, 106);
        QTest::newRow("lower left: above right") << QPoint(100, 700) << QPoint(103, 647);
        QTest::newRow("lower right: above left") << QPoint(900, 700) << QPoint(697, 647);
    }
    void hintPlacement()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        QCOMPARE(TcoHint::placeHint(pointer, QSize(200, 50), QRect(0, 0, 1000, 800)), expected);
    }

    void hintServesToolTips()
    {
        vintora::test::ShellFixture f;
        TcoHint* hint = TcoHint::instance();
        QVERIFY(hint);
        QCOMPARE(hint, f.main->hiMain);
        QWidget w;
        w.setToolTip(QStringLiteral("слово ").repeated(60).trimmed());
        w.resize(100, 40);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), w.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&w, &help);
        QVERIFY(hint->isShown());
        QCOMPARE(hint->text(), w.toolTip());
        QVERIFY(hint->window()->width() <= hint->HintWidth + 16);
        QCOMPARE(hint->window()->windowOpacity() < 1.0, true);
        QTest::mouseClick(&w, Qt::LeftButton);
        QVERIFY(!hint->isShown());

        // Lines of hints are separated by CR LF or by CR alone (the version history).
        hint->showText(w.mapToGlobal(QPoint(5, 5)), QStringLiteral("Версия программы.\rПеренос данных:\r\nмиграция 3"), &w);
        QCOMPARE(hint->text(), QStringLiteral("Версия программы.\nПеренос данных:\nмиграция 3"));
        hint->hideText();
    }
};

VINTORA_SHELL_TEST_MAIN(TestControls)
#include "test_controls.moc"
