#include "export/indexpagewriter.h"

#include "export/rowreader.h"
#include "export/sitemarkers.h"
#include "export/sitetext.h"
#include "export/texportencyclopaediadm.h"
#include "platform/utf8.h"

namespace vintora::export_ {

namespace {

QString h(const QString& text)
{
    return htmlText(text);
}

} // namespace

QString IndexPageWriter::performerEntry(int id, const QString& name, const QString& ending) const
{
    return QStringLiteral("<li>&nbsp;<a href=\"../") + TExportEncyclopaediaDM::PerformerURL(id) + QStringLiteral("\">")
           + h(name) + QStringLiteral("</a>") + ending;
}

QString IndexPageWriter::albumEntry(int id, const QString& title) const
{
    return QStringLiteral("<li>&nbsp;<a href=\"../") + TExportEncyclopaediaDM::AlbumURL(id) + QStringLiteral("\">")
           + h(title) + QStringLiteral("</a></li>");
}

void IndexPageWriter::writeAlpha(const QString& letter)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::Params l{{QStringLiteral("@L"), letter}};
    const db::RowSet titles = dm.open(QStringLiteral("EncyclAlphaPerformerTitle"), l);
    const db::RowSet roles = dm.open(QStringLiteral("EncyclAlphaPerformerRole"), l);
    const int t = int(titles.size());
    const int r = int(roles.size());
    if (t > 20 || r > 20) {
        writeAlphaTab(letter);
        return;
    }
    if (t + r == 0)
        return;
    dm.growMaximum(t + r + 1);
    const bool both = t >= 1 && r >= 1;
    QStringList body;
    body << QStringLiteral("<table border=\"0\" width=\"1%\"><tr><td><h1 class=\"alpha\">") + h(letter)
                + QStringLiteral("</h1></td></tr></table>");
    if (both)
        body << QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td  width=\"50%\" valign=\"top\">");
    if (t > 0) {
        body << QStringLiteral("<ul>");
        for (int i = 0; i < t; ++i) {
            const RowReader p(titles, i);
            dm.EnsurePage(u'P', p.integer("ID"), false, p.text("PerformerName"));
            body << performerEntry(p.integer("ID"), p.text("PerformerName"),
                                   QStringLiteral(" (%1)</li>").arg(p.integer("AlbumCount")));
            dm.step();
        }
        body << QStringLiteral("</ul>");
    }
    if (both)
        body << QStringLiteral("</td><td width=\"50%\" valign=\"top\">");
    if (r > 0) {
        body << QStringLiteral("<ul>");
        for (int i = 0; i < r; ++i) {
            const RowReader p(roles, i);
            dm.EnsurePage(u'P', p.integer("ID"), false, p.text("PerformerName"));
            body << performerEntry(p.integer("ID"), p.text("PerformerName"), QStringLiteral("</li>"));
            dm.step();
        }
        body << QStringLiteral("</ul>");
    }
    if (both)
        body << QStringLiteral("</td></tr></table>");
    const QString page = dm.AlphaFile(letter);
    dm.MarkPublicFolder(page);
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), true, dm.parameters().alpha, body);
    dm.ExportLog(S("Буква: %1.").arg(letter));
    dm.step();
}

void IndexPageWriter::writeAlphaTab(const QString& letter)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::RowSet seconds = dm.open(QStringLiteral("EncyclAlphaSecondList"), {{QStringLiteral("@L"), letter}});
    dm.growMaximum(2 * int(seconds.size()));
    QString menu = QStringLiteral("<a href=\"#\">#</a>");
    qsizetype start = 0;
    if (!seconds.isEmpty() && RowReader(seconds, 0).text("AlphaSec") == QLatin1String("#"))
        start = 1;
    for (qsizetype i = start; i < seconds.size(); ++i) {
        const QString s = RowReader(seconds, i).text("AlphaSec");
        menu += QStringLiteral("&nbsp;<a href=\"#") + TExportEncyclopaediaDM::LetterOfChar(s) + QStringLiteral("\">") + h(s)
                + QStringLiteral("</a>");
        dm.step();
    }
    QStringList body;
    for (qsizetype i = 0; i < seconds.size(); ++i) {
        const QString s = RowReader(seconds, i).text("AlphaSec");
        if (s == QLatin1String("#"))
            body << QStringLiteral("<div id=\"menufirm\"><a name=\"#\"></a># |") + menu + QStringLiteral("</div>");
        else
            body << QStringLiteral("<div id=\"menufirm\"><a name=\"") + TExportEncyclopaediaDM::LetterOfChar(s)
                        + QStringLiteral("\"></a>") + h(letter + s) + QStringLiteral(" |") + menu + QStringLiteral("</div>");
        body << QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td width=\"50%\" valign=\"top\">");
        const db::Params ls{{QStringLiteral("@L"), letter}, {QStringLiteral("@S"), s}};
        const db::RowSet titles = dm.open(QStringLiteral("EncyclAlphaSecondTitle"), ls);
        if (!titles.isEmpty()) {
            body << QStringLiteral("<ul>");
            dm.growMaximum(int(titles.size()));
            for (qsizetype k = 0; k < titles.size(); ++k) {
                const RowReader p(titles, k);
                dm.EnsurePage(u'P', p.integer("ID"), false, p.text("PerformerName"));
                body << performerEntry(p.integer("ID"), p.text("PerformerName"),
                                       QStringLiteral(" (%1)</li>").arg(p.integer("AlbumCount")));
                dm.step();
            }
            body << QStringLiteral("</ul>");
        }
        body << QStringLiteral("</td><td width=\"50%\" valign=\"top\">");
        const db::RowSet roles = dm.open(QStringLiteral("EncyclAlphaSecondRole"), ls);
        if (!roles.isEmpty()) {
            body << QStringLiteral("<ul>");
            dm.growMaximum(int(roles.size()));
            for (qsizetype k = 0; k < roles.size(); ++k) {
                const RowReader p(roles, k);
                dm.EnsurePage(u'P', p.integer("ID"), false, p.text("PerformerName"));
                body << performerEntry(p.integer("ID"), p.text("PerformerName"), QStringLiteral("</li>"));
                dm.step();
            }
            body << QStringLiteral("</ul>");
        }
        body << QStringLiteral("</td></tr></table>");
        dm.step();
    }
    const QString page = dm.AlphaFile(letter);
    dm.MarkPublicFolder(page);
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), true, dm.parameters().alpha, body);
    dm.ExportLog(S("Буква: %1 (вкладки).").arg(letter));
}

void IndexPageWriter::writeIndex()
{
    TExportEncyclopaediaDM& dm = m_dm;
    const QString page = dm.rootPath() + QStringLiteral("index/index.htm");
    const db::RowSet last = dm.open(QStringLiteral("EncyclPublicateLast"));
    dm.growMaximum(int(last.size()) + 1, S("Обработка"));
    dm.ExportLog(S("Индекс: последние изменения."));
    QStringList body;
    body << piece::table50() << QStringLiteral("<ul>");
    bool running = true;
    for (qsizetype i = 0; i < last.size(); ++i) {
        const RowReader r(last, i);
        // The link was escaped when it was stored.
        body << QStringLiteral("<li>&nbsp;") + r.text("Link") + QStringLiteral("</li>");
        const bool main = r.flag("Main");
        if (main != running) {
            body << piece::nextColumn();
            running = main;
        }
        dm.step();
    }
    body << piece::endTable();
    dm.WriteRegion(page, marker::ESB(), marker::ESE(), false, dm.parameters().alpha, body);

    const db::RowSet stats = dm.open(QStringLiteral("EncyclStatistics"));
    dm.ExportLog(S("Индекс: статистика."));
    QStringList list{QStringLiteral("<ul>")};
    for (qsizetype i = 0; i < stats.size(); ++i)
        list << QStringLiteral("<li>&nbsp;") + h(RowReader(stats, i).text("Text")) + QStringLiteral("</li>");
    list << QStringLiteral("</ul>");
    dm.WriteRegion(page, marker::EKB(), marker::EKE(), false, dm.parameters().alpha, list);
    dm.MarkPublicFolder(page);
    dm.WriteRegion(dm.rootFile(), marker::EKB(), marker::EKE(), false, QString(), list);
}

void IndexPageWriter::writePopular()
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::RowSet albums = dm.open(QStringLiteral("EncyclAlbumTop"));
    dm.growMaximum(int(albums.size()) + 1, S("Обработка"));
    dm.ExportLog(S("Актуальные альбомы."));
    QStringList body;
    body << S("<h1>Популярные альбомы и актуальные исполнители.</h1>") << piece::table50() << QStringLiteral("<ul>");
    for (qsizetype i = 0; i < albums.size(); ++i) {
        const RowReader a(albums, i);
        dm.EnsurePage(u'A', a.integer("Album"), false, a.text("TitleYearPerformer"));
        body << albumEntry(a.integer("Album"), a.text("TitleYearPerformer"));
        dm.step();
    }
    body << piece::nextColumn();
    const db::RowSet performers = dm.open(QStringLiteral("EncyclPerformerTop"));
    dm.growMaximum(int(performers.size()) + 1, S("Обработка"));
    dm.ExportLog(S("Актуальные исполнители."));
    for (qsizetype i = 0; i < performers.size(); ++i) {
        const RowReader p(performers, i);
        dm.EnsurePage(u'P', p.integer("ID"), false, p.text("NameFull"));
        body << performerEntry(p.integer("ID"), p.text("NameFull"), QStringLiteral("</li>"));
        dm.step();
    }
    body << piece::endTable();
    dm.WriteRegion(dm.rootPath() + QStringLiteral("index/popular.htm"), marker::EAB(), marker::EAE(), true,
                   dm.parameters().alpha, body);
}

void IndexPageWriter::writeCasual()
{
    TExportEncyclopaediaDM& dm = m_dm;
    QStringList body;
    const db::RowSet performers = dm.open(QStringLiteral("EncyclPerformerCasual"));
    dm.growMaximum(int(performers.size()) + 1, S("Обработка"));
    dm.ExportLog(S("Дополнение: случайные исполнители."));
    body << S("<h1>Случайные исполнители и альбомы.</h1>") << piece::table50() << QStringLiteral("<ul>");
    for (qsizetype i = 0; i < performers.size(); ++i) {
        const RowReader p(performers, i);
        const int id = p.integer("ID");
        dm.EnsurePage(u'P', id, false, p.text("NameFull"));
        if (p.integer("NoteIcon") > 2)
            body << QStringLiteral("<li>&nbsp;<a href=\"../") + TExportEncyclopaediaDM::PerformerURL(id)
                        + QStringLiteral("\"><b>") + h(p.text("NameFull")) + QStringLiteral("</b></a></li>");
        else
            body << performerEntry(id, p.text("NameFull"), QStringLiteral("</li>"));
        dm.step();
    }
    body << piece::nextColumn();

    auto albumList = [&](const char* routine, const char* idColumn, const char* logLine) {
        const db::RowSet rows = dm.open(QString::fromLatin1(routine));
        dm.growMaximum(int(rows.size()) + 1, S("Обработка"));
        dm.ExportLog(S(logLine));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const RowReader a(rows, i);
            dm.EnsurePage(u'A', a.integer(idColumn), false, a.text("TitleYearPerformer"));
            body << albumEntry(a.integer(idColumn), a.text("TitleYearPerformer"));
            dm.step();
        }
    };
    albumList("EncyclAlbumCasual", "Album", "Дополнение: случайные альбомы.");
    body << QStringLiteral("</ul></td></tr></table><hr>");
    body << piece::table50() << S("<h1>Последние авто-поступления.</h1>") << QStringLiteral("<ul>");
    albumList("EncyclAlbumMp3Last", "ID", "Дополнение: последние добавления сканирования файлов.");
    body << QStringLiteral("</ul></td><td width=\"50%\" valign=\"top\">") << S("<h1>Разыскиваемые альбомы.</h1>")
         << QStringLiteral("<ul>");
    albumList("EncyclAlbumNeed", "ID", "Дополнение: разыскиваемые альбомы.");
    body << piece::endTable();
    dm.WriteRegion(dm.rootPath() + QStringLiteral("index/casual.htm"), marker::EAB(), marker::EAE(), true,
                   dm.parameters().alpha, body);
}

} // namespace vintora::export_
