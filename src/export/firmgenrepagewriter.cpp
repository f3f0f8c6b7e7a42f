#include "export/firmgenrepagewriter.h"

#include "export/rowreader.h"
#include "export/sitemarkers.h"
#include "export/sitetext.h"
#include "export/texportencyclopaediadm.h"
#include "platform/utf8.h"

#include <QSet>

namespace vintora::export_ {

namespace {

QString h(const QString& text)
{
    return htmlText(text);
}

} // namespace

void FirmGenrePageWriter::writeFirm(int id)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::Params st{{QStringLiteral("@ST"), id}};
    const db::RowSet infoRows = dm.open(QStringLiteral("EncyclStudioInfo"), st);
    if (infoRows.isEmpty()) {
        dm.ExportLog(S("Студия с кодом %1 не найдена.").arg(id));
        return;
    }
    const QString name = RowReader(infoRows, 0).text("Name");
    const QString page = dm.FirmFile(id);
    dm.WriteRegion(page, marker::ETB(), marker::ETE(), true, dm.parameters().firm,
                   {QStringLiteral("<title>") + h(name) + QStringLiteral("</title>")});

    QStringList body;
    QString heading = h(name);
    const db::RowSet parts = dm.open(QStringLiteral("EncyclStudioPart"), st);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const RowReader p(parts, i);
        heading += QStringLiteral(" / <a href=\"") + LetterCode(p.integer("ID"), 3) + QStringLiteral(".htm\">")
                   + h(p.text("Name")) + QStringLiteral("</a>");
    }
    body << QStringLiteral("<h1>") + heading + QStringLiteral("</h1>");

    const db::RowSet urls = dm.open(QStringLiteral("EncyclStudioURL"), st);
    if (!urls.isEmpty())
        body << QStringLiteral("<a href=\"#sites\">sites</a>");

    const db::RowSet albums = dm.open(QStringLiteral("EncyclStudioAlbum"), st);
    if (!albums.isEmpty()) {
        dm.growMaximum(int(albums.size()) + 1);
        body << QStringLiteral("<ul>");
        for (qsizetype i = 0; i < albums.size(); ++i) {
            const RowReader a(albums, i);
            const int album = a.integer("AlbumID");
            QString line = QStringLiteral("<li><a name=\"") + LetterCode(album, 4) + QStringLiteral("\"></a>")
                           + QStringLiteral("<a name=\"i") + LetterCode(a.integer("Issue"), 4) + QStringLiteral("\"></a>&nbsp;")
                           + h(a.text("Number"));
            if (!a.isNull("FirmID"))
                line += QStringLiteral("&nbsp;(<a href=\"") + LetterCode(a.integer("FirmID"), 3) + QStringLiteral(".htm#")
                        + LetterCode(album, 4) + QStringLiteral("\">") + h(a.text("FirmName")) + QStringLiteral("</a>)");
            line += QStringLiteral(": ");
            dm.EnsurePage(u'A', album, false, a.text("AlbumName"));
            line += QStringLiteral("<a href=\"../") + TExportEncyclopaediaDM::AlbumURL(album) + QStringLiteral("\">")
                    + h(a.text("AlbumName")) + QStringLiteral("</a></li>");
            body << line;
            dm.step();
        }
        body << QStringLiteral("</ul>");
    }
    if (!urls.isEmpty()) {
        body << QStringLiteral("<a name=\"sites\"><h3>Sites:</h3>");
        QStringList entries;
        for (qsizetype i = 0; i < urls.size(); ++i) {
            const RowReader u(urls, i);
            entries << QStringLiteral("<a href=\"") + htmlAttr(u.text("URL")) + QStringLiteral("\" target=\"_blank\">")
                           + h(u.text("Name")) + QStringLiteral("</a>");
        }
        body << entries.join(QStringLiteral("<br />"));
    }
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), false, dm.parameters().firm, body);
    dm.ExportLog(S("Студия: %1.").arg(name));
    dm.ResetPublication(QStringLiteral("S"), id);
    dm.setLastPage(page);
}

void FirmGenrePageWriter::writeGenre(int id)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::Params gn{{QStringLiteral("@GN"), id}};
    const db::RowSet infoRows = dm.open(QStringLiteral("EncyclGenreInfo"), gn);
    if (infoRows.isEmpty()) {
        dm.ExportLog(S("Стиль с кодом %1 не найден.").arg(id));
        return;
    }
    const RowReader info(infoRows, 0);
    const QString page = dm.GenreFile(id);
    dm.WriteRegion(page, marker::ETB(), marker::ETE(), true, dm.parameters().genre,
                   {QStringLiteral("<title>") + h(info.text("Title")) + QStringLiteral("</title>")});
    dm.MarkPublicFolder(page);

    QString heading = h(info.text("Name"));
    if (!info.isNull("UnionID"))
        heading += QStringLiteral("/<a href=\"index.htm#") + LetterCode(info.integer("UnionID"), 3) + QStringLiteral("\">")
                   + h(info.text("UnionName")) + QStringLiteral("</a>");
    if (!info.isNull("UnionAddID"))
        heading += QStringLiteral("/<a href=\"index.htm#") + LetterCode(info.integer("UnionAddID"), 3)
                   + QStringLiteral("\">") + h(info.text("UnionAddName")) + QStringLiteral("</a>");
    QStringList body;
    body << QStringLiteral("<h1>") + heading + QStringLiteral("</h1>");

    const db::RowSet performers = dm.open(QStringLiteral("EncyclGenrePerformer"), gn);
    body << piece::table50();
    if (!performers.isEmpty()) {
        dm.growMaximum(int(performers.size()) + 1);
        body << QStringLiteral("<ul>");
        bool running = false;
        for (qsizetype i = 0; i < performers.size(); ++i) {
            const RowReader p(performers, i);
            const int pid = p.integer("ID");
            dm.EnsurePage(u'P', pid, false, p.text("PerformerName"));
            const int count = p.integer("AlbumCount");
            body << QStringLiteral("<li>&nbsp;<a href=\"../") + TExportEncyclopaediaDM::PerformerURL(pid) + QStringLiteral("\">")
                        + h(p.text("PerformerName")) + QStringLiteral("</a>")
                        + (count < 1 ? QStringLiteral("</li>") : QStringLiteral(" (%1)</li>").arg(count));
            const bool main = p.flag("Main");
            if (main != running) {
                body << piece::nextColumn();
                running = main;
            }
            dm.step();
        }
        body << piece::endTable();
    } else {
        // A genre without performers still gets its table closed.
        body << QStringLiteral("</td></tr></table>");
    }
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), false, dm.parameters().genre, body);
    dm.ExportLog(S("Стиль: %1.").arg(info.text("Name")));
    dm.ResetPublication(QStringLiteral("G"), id);
}

void FirmGenrePageWriter::firmSection(const QString& letter, QStringList& body)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::RowSet firms = dm.open(QStringLiteral("EncyclStudioSecList"), {{QStringLiteral("@AL"), letter}});
    dm.growMaximum(int(firms.size()));
    body << QStringLiteral("<ul>");
    for (qsizetype i = 0; i < firms.size(); ++i) {
        const RowReader f(firms, i);
        dm.EnsurePage(u'S', f.integer("ID"), false, f.text("Name"));
        body << QStringLiteral("<li>&nbsp;<a href=\"") + LetterCode(f.integer("ID"), 3) + QStringLiteral(".htm\">")
                    + h(f.text("Name")) + QStringLiteral("</a></li>");
        dm.step();
    }
    body << QStringLiteral("</ul>");
}

void FirmGenrePageWriter::writeFirmIndex()
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::RowSet letters = dm.open(QStringLiteral("EncyclStudioSec"));
    dm.growMaximum(int(letters.size()));
    QString menu = QStringLiteral("<a href=\"#\">#</a>");
    QList<QPair<QString, QString>> sections; // first letter, second letter (may be empty)
    qsizetype i = 1;                         // the first row is the group of names without a letter
    while (i < letters.size()) {
        const QString a1 = RowReader(letters, i).text("Alpha");
        menu += QStringLiteral("&nbsp;<a href=\"#") + TExportEncyclopaediaDM::LetterOfChar(a1) + QStringLiteral("\">") + h(a1);
        dm.step();
        ++i;
        QString a2;
        if (i < letters.size()) {
            a2 = RowReader(letters, i).text("Alpha");
            menu += h(a2);
        }
        menu += QStringLiteral("</a>");
        sections << qMakePair(a1, a2);
        ++i;
        dm.step();
    }
    dm.growMaximum(int(sections.size()) / 2);
    QStringList body;
    body << QStringLiteral("<div id=\"menufirm\"><a name=\"#\"></a># |") + menu + QStringLiteral("</div>");
    firmSection(QStringLiteral("#"), body);
    for (const auto& [a1, a2] : sections) {
        body << QStringLiteral("<div id=\"menufirm\"><a name=\"") + TExportEncyclopaediaDM::LetterOfChar(a1)
                    + QStringLiteral("\"></a>") + h(a1 + a2) + QStringLiteral(" |") + menu + QStringLiteral("</div>");
        body << QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td width=\"50%\" valign=\"top\">");
        firmSection(a1, body);
        body << QStringLiteral("</td><td width=\"50%\" valign=\"top\">");
        if (!a2.isEmpty())
            firmSection(a2, body);
        body << QStringLiteral("</tr></table>");
        dm.step();
    }
    const QString page = dm.rootPath() + QStringLiteral("firm/index.htm");
    dm.MarkPublicFolder(page);
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), true, dm.parameters().firm, body);
    dm.ExportLog(S("Индекс: студии (секции)."));
}

void FirmGenrePageWriter::writeGenreIndex()
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::RowSet groups = dm.open(QStringLiteral("EncyclGenreUnion"));
    QString menu = QStringLiteral("<div id=\"menugenre\">");
    QSet<int> groupIds;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const RowReader g(groups, i);
        groupIds.insert(g.integer("ID"));
        menu += QStringLiteral("<a href=\"#") + LetterCode(g.integer("ID"), 3) + QStringLiteral("\">") + h(g.text("Name"))
                + QStringLiteral("</a><br/>");
    }
    menu += S("<a href=\"#zzz\">Прочие</a></div>");

    const QString table60 = QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td width=\"60%\" valign=\"top\">");
    const QString column40 = QStringLiteral("</td><td width=\"40%\" valign=\"top\">");
    auto memberLine = [&](const RowReader& m) {
        dm.EnsurePage(u'G', m.integer("ID"), false, m.text("Name"));
        return QStringLiteral("<li>&nbsp;<a href=\"") + LetterCode(m.integer("ID"), 3) + QStringLiteral(".htm\">")
               + h(m.text("Name")) + QStringLiteral("</a></li>");
    };

    QStringList body;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const RowReader g(groups, i);
        const int gid = g.integer("ID");
        const QString code = LetterCode(gid, 3);
        body << table60;
        dm.EnsurePage(u'G', gid, false, g.text("Name"));
        body << QStringLiteral("<h1><a name=\"") + code + QStringLiteral("\" href=\"") + code + QStringLiteral(".htm\" >")
                    + h(g.text("Name")) + QStringLiteral("</a></h1>");
        const db::RowSet members = dm.open(QStringLiteral("EncyclGenreUnionList"), {{QStringLiteral("@UN"), gid}});
        if (!members.isEmpty()) {
            body << QStringLiteral("<ul>");
            for (qsizetype m = 0; m < members.size(); ++m)
                body << memberLine(RowReader(members, m));
            // The member list is closed before the menu column.
            body << QStringLiteral("</ul>") << column40 << menu << QStringLiteral("</td></tr></table>");
        } else {
            // A group without members closes its table.
            body << QStringLiteral("</td></tr></table>");
        }
        body << QStringLiteral("<hr/>");
    }
    const db::RowSet all = dm.open(QStringLiteral("EncyclGenreUnionList"), {{QStringLiteral("@UN"), -1}});
    if (!all.isEmpty()) {
        body << table60 << S("<h1><a name=\"zzz\">Прочие</a></h1>") << QStringLiteral("<ul>");
        for (qsizetype m = 0; m < all.size(); ++m) {
            const RowReader r(all, m);
            if (!groupIds.contains(r.integer("ID")))
                body << memberLine(r);
        }
        body << QStringLiteral("</ul>") << column40 << menu << QStringLiteral("</td></tr></table>");
    }
    const QString page = dm.rootPath() + QStringLiteral("genre/index.htm");
    dm.MarkPublicFolder(page);
    dm.WriteRegion(page, marker::EAB(), marker::EAE(), true, dm.parameters().genre, body);
    dm.ExportLog(S("Индекс: стили (жанры и группы)."));
}

} // namespace vintora::export_
