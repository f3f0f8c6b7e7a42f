#include "export/albumpagewriter.h"

#include "export/performerpagewriter.h"
#include "export/rowreader.h"
#include "export/sitemarkers.h"
#include "export/sitetext.h"
#include "export/texportencyclopaediadm.h"
#include "text/stringhelpers.h"
#include "platform/utf8.h"

#include <QFileInfo>

namespace vintora::export_ {

namespace {

QString h(const QString& text)
{
    return htmlText(text);
}

void markLastReleaseLine(QStringList& body)
{
    if (!body.isEmpty())
        body.last().replace(QStringLiteral("<p class=\"rl\">"), QStringLiteral("<p class=\"rll\">"));
}

QString firmLink(int firmId, int issue)
{
    return QStringLiteral("<a href=\"../../../firm/") + LetterCode(firmId, 3) + QStringLiteral(".htm#i")
           + LetterCode(issue, 4) + QStringLiteral("\">");
}

} // namespace

void AlbumPageWriter::write(int id, bool reset)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::Params al{{QStringLiteral("@AL"), id}};
    const db::RowSet infoRows = dm.open(QStringLiteral("EncyclAlbumInfo"), al);
    if (infoRows.isEmpty()) {
        dm.ExportLog(S("Альбом с кодом %1 не найден.").arg(id));
        return;
    }
    const RowReader info(infoRows, 0);
    const QString titlePage = info.text("TitlePage");
    dm.ExportLog(S("Альбом: %1.").arg(titlePage));

    const QString page = dm.AlbumFile(id);
    dm.WriteRegion(page, marker::ETB(), marker::ETE(), true, dm.parameters().album,
                   {QStringLiteral("<title>") + h(titlePage) + QStringLiteral("</title>")});
    dm.MarkPublicFolder(page);

    const db::RowSet performers = dm.open(QStringLiteral("EncyclAlbumPerformer"), al);
    dm.growMaximum(int(performers.size()));
    for (qsizetype i = 0; i < performers.size(); ++i)
        dm.WritePerformerPage(RowReader(performers, i).integer("Performer"), false, false);

    QStringList body;
    body << QStringLiteral("<h1>") + h(info.text("Title")) + QStringLiteral("</h1>");
    body << QStringLiteral("<h3><a href=\"../../../") + TExportEncyclopaediaDM::PerformerURL(info.integer("Performer"))
                + QStringLiteral("\">") + h(info.text("NameFull")) + QStringLiteral("</a></h3>");

    // Release lines: one per issue of each edition.
    const db::RowSet editions = dm.open(QStringLiteral("EncyclAlbumEdit"), al);
    for (qsizetype e = 0; e < editions.size(); ++e) {
        const RowReader edition(editions, e);
        const int editionId = edition.integer("ID");
        const db::RowSet rel = dm.open(QStringLiteral("EncyclAlbumRelease"), {{QStringLiteral("@AL"), editionId}});
        qsizetype r = 0;
        while (r < rel.size()) {
            const RowReader first(rel, r);
            QString line = QStringLiteral("<p class=\"rl\">");
            const int issue = first.integer("Issue");
            if (!first.isNull("IssueYear"))
                line += QStringLiteral("&#8471; ") + h(first.text("IssueYear"));
            if (!first.isNull("FirmID")) {
                const int firm = first.integer("FirmID");
                dm.EnsurePage(u'S', firm, false, first.text("FirmName"));
                line += firmLink(firm, issue) + u' ' + h(first.text("FirmName")) + QStringLiteral("</a> ");
                dm.pendingFirms().insert(QString::number(firm));
            }
            if (!first.isNull("CatalogNumber"))
                line += u' ' + h(first.text("CatalogNumber"));
            ++r;
            while (r < rel.size() && RowReader(rel, r).integer("Issue") == issue) {
                const RowReader next(rel, r);
                ++r;
                if (next.isNull("FirmID") && next.isNull("CatalogNumber"))
                    continue;
                line += S(" / © ");
                if (!next.isNull("FirmID")) {
                    const int firm = next.integer("FirmID");
                    dm.EnsurePage(u'S', firm, false, next.text("FirmName"));
                    line += firmLink(firm, issue) + h(next.text("FirmName")) + QStringLiteral("</a> ");
                    dm.pendingFirms().insert(QString::number(firm));
                }
                if (!next.isNull("CatalogNumber"))
                    line += u' ' + h(next.text("CatalogNumber"));
            }
            if (editionId != id) {
                dm.EnsurePage(u'A', editionId, true, edition.text("Description"));
                line += QStringLiteral(": <a href=\"../../../") + TExportEncyclopaediaDM::AlbumURL(editionId)
                        + QStringLiteral("\">") + h(edition.text("Description")) + QStringLiteral("</a>");
            }
            line += QStringLiteral("</p>");
            body << line;
        }
        if (e == 0)
            markLastReleaseLine(body);
    }
    markLastReleaseLine(body);

    // Cover and notes.
    const bool picture = !info.isNull("Picture");
    if (picture || info.integer("IsNote") >= 1) {
        body << QStringLiteral("<table border=\"0\" width=\"100%\" id=\"table1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>");
        if (picture) {
            const QString l3 = LetterCode(id, 4).right(1);
            body << QStringLiteral("<img src=\"cov") + l3 + QStringLiteral(".jpg\" hspace=10 vspace=10 align=\"left\" alt=\"")
                        + htmlAttr(text::DeleteChars(titlePage, u'"')) + QStringLiteral("\">");
            dm.saveFile(QFileInfo(page).path() + QStringLiteral("/cov") + l3 + QStringLiteral(".jpg"),
                        info.value("Picture").toByteArray());
        }
        if (info.integer("IsNote") > 0)
            body << textParagraphs(info.text("Notes"));
        body << QStringLiteral("</td></tr></table>");
    }

    // Tracks.
    const db::Params byId{{QStringLiteral("@ID"), id}};
    const db::RowSet tracks = dm.open(QStringLiteral("EncyclAlbumTrack"), byId);
    bool texts = false;
    if (!tracks.isEmpty()) {
        dm.growMaximum(2 * int(tracks.size()) + 1);
        body << QStringLiteral("<ul>");
        for (qsizetype i = 0; i < tracks.size(); ++i) {
            const RowReader t(tracks, i);
            const QString mark = t.text("SubNumber").left(1);
            const QString titleAddOn = h(t.text("Title")) + h(t.text("AddOn"));
            if (mark == QLatin1String("!")) {
                body << QStringLiteral("</ul>");
            } else if (mark == QLatin1String("(")) {
                body << QStringLiteral("<h3 class=\"trackhead\">") + titleAddOn + QStringLiteral("</h3><ul>");
            } else if (mark == QLatin1String("+")) {
                body << QStringLiteral("</ul><p class=\"nmm\">bonus: </p><ul class=\"nmt\">");
            } else if (mark == QLatin1String("0")) {
                body << QStringLiteral("<h3 class=\"trackhead\">") + titleAddOn + QStringLiteral("</h3>");
            } else if (t.isNull("Lyrics") && !t.flag("IsVideo")) {
                body << QStringLiteral("<li>&nbsp;") + h(t.text("NumberTrack")) + titleAddOn + QStringLiteral("</li>");
            } else {
                body << QStringLiteral("<li>&nbsp;") + h(t.text("NumberTrack")) + QStringLiteral("<a href=\"#")
                            + LetterCode(t.integer("ID"), 5) + QStringLiteral("\">") + h(t.text("Title"))
                            + QStringLiteral("</a>") + h(t.text("AddOn")) + QStringLiteral("</li>");
                texts = true;
            }
            dm.step();
        }
        body << QStringLiteral("</ul>");
    }

    // Credits.
    const db::RowSet credits = dm.open(QStringLiteral("EncyclAlbumRole"), byId);
    if (!credits.isEmpty()) {
        dm.growMaximum(int(credits.size()) + 1);
        body << S("<h2><a name=\"role\"></a>Участие в альбоме:</h2><ul>");
        bool nested = false;
        for (qsizetype i = 0; i < credits.size(); ++i) {
            const RowReader c(credits, i);
            QString name = h(c.text("NameFull"));
            if (c.integer("Bold") == 1)
                name = QStringLiteral("<b>") + name + QStringLiteral("</b>");
            const int slave = c.integer("IsSlave");
            if (slave == 1 && !nested) {
                body << QStringLiteral("<ul>");
                nested = true;
            } else if (slave == 0 && nested) {
                body << QStringLiteral("</ul>");
                nested = false;
            }
            const int performer = c.integer("Performer");
            dm.EnsurePage(u'P', performer, true, c.text("NameFull"));
            body << QStringLiteral("<li>&nbsp;<a href=\"../../../") + TExportEncyclopaediaDM::PerformerURL(performer)
                        + QStringLiteral("\">") + name + QStringLiteral("</a>") + h(c.text("Role")) + QStringLiteral("</li>");
            dm.step();
        }
        if (nested)
            body << QStringLiteral("</ul>");
        body << QStringLiteral("</ul>");
    }

    // Lyrics and videos.
    if (!tracks.isEmpty() && texts) {
        dm.growMaximum(int(tracks.size()) + 1);
        body << S("<h2>Тексты и видео:</h2>");
        for (qsizetype i = 0; i < tracks.size(); ++i) {
            const RowReader t(tracks, i);
            const bool video = t.flag("IsVideo");
            if (t.isNull("Lyrics") && !video)
                continue;
            const QString code = LetterCode(t.integer("ID"), 5);
            if (t.isNull("Authors"))
                body << QStringLiteral("<a name=\"") + code + QStringLiteral("\"></a>") + QStringLiteral("<h3>")
                            + h(t.text("Title")) + QStringLiteral("</h3>");
            else
                body << QStringLiteral("<a name=\"") + code + QStringLiteral("\"></a>")
                            + QStringLiteral("<h3 class=\"texthead\">") + h(t.text("Title")) + QStringLiteral("</h3>")
                            + QStringLiteral("<p class=\"autor\">") + h(t.text("Authors")) + QStringLiteral("</p>");
            if (!t.isNull("Lyrics"))
                body << QStringLiteral("<pre>") + h(t.text("Lyrics")) + QStringLiteral("</pre>");
            if (video) {
                const db::RowSet videos = dm.open(QStringLiteral("EncyclTrackVideo"), {{QStringLiteral("@TR"), t.integer("ID")}});
                for (qsizetype v = 0; v < videos.size(); ++v)
                    body << QStringLiteral("<iframe width=\"640\" height=\"360\" src=\"")
                                + htmlAttr(RowReader(videos, v).text("URL"))
                                + QStringLiteral("\" frameborder=\"0\" allowfullscreen></iframe>");
            }
        }
    }

    dm.WriteRegion(page, marker::ELB(), marker::ELE(), false, QString(), body);
    dm.AddLastLink(QStringLiteral("<a href=\"../") + TExportEncyclopaediaDM::AlbumURL(id) + QStringLiteral("\">")
                       + h(titlePage) + QStringLiteral("</a>"),
                   true);
    if (reset)
        dm.ResetPublication(QStringLiteral("A"), id);
    dm.countPage(page);
}

} // namespace vintora::export_
