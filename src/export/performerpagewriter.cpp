#include "export/performerpagewriter.h"

#include "export/exportabort.h"
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

QString up3()
{
    return QStringLiteral("../../../");
}

} // namespace

QStringList textParagraphs(const QString& text)
{
    QStringList out;
    for (const QString& line : splitLines(text)) {
        if (line == QLatin1String("--") || line == S("——"))
            out << QStringLiteral("<hr>");
        else
            out << QStringLiteral("<p>") + h(line) + QStringLiteral("</p>");
    }
    return out;
}

void PerformerPageWriter::write(int id, bool main, bool reset)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const db::Params pr{{QStringLiteral("@PR"), id}};
    const db::RowSet infoRows = dm.open(QStringLiteral("EncyclPerformerInfo"), pr);
    if (infoRows.isEmpty()) {
        dm.ExportLog(S("Исполнитель с кодом %1 не найден.").arg(id));
        return;
    }
    const RowReader info(infoRows, 0);
    const QString nameFull = info.text("NameFull");
    dm.pendingAlpha().insert(info.text("Alpha"));
    dm.ExportLog(S("Исполнитель: %1.").arg(nameFull));

    const QString page = dm.PerformerFile(id);
    if (dm.performerWritten(id) && dm.pageExists(page)) {
        finish(id, page, info, main, reset);
        return;
    }
    const QString l3 = LetterCode(id, 4).right(1);
    dm.WriteRegion(page, marker::ETB(), marker::ETE(), true, dm.parameters().performer,
                   {QStringLiteral("<title>") + h(nameFull) + QStringLiteral("</title>")});
    dm.MarkPublicFolder(page);

    QStringList body;
    body << QStringLiteral("<table border=\"0\" width=\"100%\" id=\"table1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>");
    if (!info.isNull("Picture")) {
        body << QStringLiteral("<img src=\"pic") + l3 + QStringLiteral(".jpg\" hspace=10 vspace=10 align=\"left\" alt=\"")
                    + htmlAttr(text::DeleteChars(nameFull, u'"')) + QStringLiteral("\">");
        dm.saveFile(QFileInfo(page).path() + QStringLiteral("/pic") + l3 + QStringLiteral(".jpg"),
                    info.value("Picture").toByteArray());
    }
    if (info.flag("IsMain")) {
        const db::RowSet aka = dm.open(QStringLiteral("EncyclPerformerAKA"), pr);
        QStringList names;
        for (qsizetype i = 0; i < aka.size(); ++i) {
            const RowReader alias(aka, i);
            names << alias.text("NameFull");
            dm.WriteAliasPage(alias.integer("ID"), id);
            dm.ExportLog(S("Вариант: %1.").arg(alias.text("NameFull")));
        }
        body << QStringLiteral("<h1 class=\"nmb\">") + h(nameFull) + QStringLiteral("</h1>");
        body << QStringLiteral("<p class=\"nmt\">") + h(names.join(QStringLiteral(", "))) + QStringLiteral("</p>");
    } else {
        body << QStringLiteral("<h1>") + h(nameFull) + QStringLiteral("</h1>");
    }

    const db::Params byId{{QStringLiteral("@ID"), id}};
    const db::RowSet albums = dm.open(QStringLiteral("EncyclPerformerAlbum"), byId);
    const db::RowSet roles = dm.open(QStringLiteral("EncyclPerformerRole"), byId);
    const db::RowSet links = dm.open(QStringLiteral("EncyclPerformerLink"), byId);
    const db::RowSet urls = dm.open(QStringLiteral("EncyclPerformerURL"), byId);
    const db::RowSet genres = dm.open(QStringLiteral("EncyclPerformerGenre"), byId);

    auto genreLine = [&] {
        QString line;
        for (qsizetype i = 0; i < genres.size(); ++i) {
            const RowReader g(genres, i);
            const int gid = g.integer("ID");
            dm.EnsurePage(u'G', gid, true, g.text("Name"));
            line += QStringLiteral("<a href=\"../../../genre/") + LetterCode(gid, 3) + QStringLiteral(".htm\">")
                    + h(g.text("Name")) + QStringLiteral("</a>, ");
            dm.AddGenre(QString::number(gid));
        }
        return text::DropLastChars(line, 2);
    };

    const bool hasText = !info.isNull("Text");
    if (hasText && albums.size() + roles.size() + links.size() + urls.size() > 0) {
        body << QStringLiteral("<ul>");
        if (albums.size() > 0)
            body << S("<li>&nbsp;<a href=\"#disk\">дискография</a></li>");
        if (roles.size() > 0)
            body << S("<li>&nbsp;<a href=\"#role\">участие в альбомах</a></li>");
        if (links.size() + urls.size() > 0)
            body << S("<li>&nbsp;<a href=\"#see\">cмотри также</a></li>");
        if (genres.size() > 0)
            body << QStringLiteral("<li>&nbsp;") + genreLine() + QStringLiteral("</li>");
        body << QStringLiteral("</ul>");
    } else if (genres.size() > 0) {
        body << QStringLiteral("<ul>") << QStringLiteral("<li>&nbsp;") + genreLine() + QStringLiteral("</li>")
             << QStringLiteral("</ul>");
    }
    if (hasText)
        body << textParagraphs(info.text("Text"));
    body << QStringLiteral("</td></tr></table>");

    if (albums.size() > 0) {
        dm.growMaximum(int(albums.size()) + 1);
        body << S("<h2><a name=\"disk\"></a>Дискография:</h2>");
        int part = -1;
        bool nested = false;
        for (qsizetype i = 0; i < albums.size(); ++i) {
            const RowReader a(albums, i);
            const bool isEdit = a.flag("IsEdit");
            if (isEdit && !nested) {
                body << QStringLiteral("<ul>");
                nested = true;
            } else if (!isEdit && nested) {
                body << QStringLiteral("</ul>");
                nested = false;
            }
            const int rowPart = a.integer("Part");
            if (rowPart != part) {
                if (part > 0)
                    body << QStringLiteral("</ul>");
                body << QStringLiteral("<h4 class=\"albtype\">") + h(dm.kindName(rowPart))
                            + QStringLiteral(":</h4><ul class=\"nmt\">");
                part = rowPart;
            }
            const int aid = a.integer("ID");
            dm.EnsurePage(u'A', aid, true, a.text("Title"));
            QString line = QStringLiteral("<li>&nbsp;<a href=\"") + up3() + TExportEncyclopaediaDM::AlbumURL(aid)
                           + QStringLiteral("\">") + h(a.text("Title")) + QStringLiteral("</a>");
            if (!a.isNull("Link")) {
                const int link = a.integer("Link");
                dm.EnsurePage(u'P', link, true, a.text("LinkName"));
                line += S(" • <a href=\"") + up3() + TExportEncyclopaediaDM::PerformerURL(link) + QStringLiteral("\">")
                        + h(a.text("LinkName")) + QStringLiteral("</a>");
            }
            line += QStringLiteral("</li>");
            body << line;
            dm.step();
        }
        if (nested)
            body << QStringLiteral("</ul>");
        body << QStringLiteral("</ul>");
    }

    if (roles.size() > 0) {
        dm.growMaximum(int(roles.size()) + 1);
        body << S("<h2><a name=\"role\"></a>Участие в альбомах:</h2><ul>");
        for (qsizetype i = 0; i < roles.size(); ++i) {
            const RowReader r(roles, i);
            const int album = r.integer("Album");
            dm.EnsurePage(u'A', album, true, r.text("Title"));
            QString line = QStringLiteral("<li>&nbsp;") + h(r.text("Year")) + QStringLiteral(": ") + QStringLiteral("<a href=\"")
                           + up3() + TExportEncyclopaediaDM::AlbumURL(album) + QStringLiteral("\">") + h(r.text("Title"))
                           + QStringLiteral("</a>");
            const QString role = r.text("Role");
            if (!r.isNull("Role") && !role.isEmpty()) {
                if (r.integer("Bold") == 1)
                    line += S(" — <b>") + h(role) + QStringLiteral("</b></li>");
                else
                    line += S(" — ") + h(role) + QStringLiteral("</li>");
            } else {
                line += QStringLiteral("</li>");
            }
            body << line;
            dm.step();
        }
        body << QStringLiteral("</ul>");
    }

    if (links.size() + urls.size() > 0) {
        body << S("<h2><a name=\"see\"></a>Смотри также:</h2>");
        if (links.size() > 0) {
            body << QStringLiteral("<ul>");
            dm.growMaximum(int(links.size()) + 1);
            for (qsizetype i = 0; i < links.size(); ++i) {
                const RowReader l(links, i);
                const int pid = l.integer("ID");
                dm.EnsurePage(u'P', pid, true, l.text("Name"));
                const QString href = QStringLiteral("<li>&nbsp;<a href=\"") + up3() + TExportEncyclopaediaDM::PerformerURL(pid)
                                     + QStringLiteral("\">");
                if (l.flag("Bold"))
                    body << href + QStringLiteral("<b>") + h(l.text("Name")) + QStringLiteral("</b></a></li>");
                else
                    body << href + h(l.text("Name")) + QStringLiteral("</a></li>");
                dm.step();
            }
            body << QStringLiteral("</ul>");
        }
        if (urls.size() > 0) {
            dm.growMaximum(int(urls.size()) + 1);
            body << QStringLiteral("<ul>");
            for (qsizetype i = 0; i < urls.size(); ++i) {
                const RowReader u(urls, i);
                body << QStringLiteral("<li>&nbsp;<a href=\"") + htmlAttr(u.text("URL")) + QStringLiteral("\">")
                            + h(u.text("Name")) + QStringLiteral("</a></li>");
                dm.step();
            }
            body << QStringLiteral("</ul>");
        }
    }

    dm.WriteRegion(page, marker::EPB(), marker::EPE(), false, QString(), body);
    dm.setPerformerWritten(id);
    finish(id, page, info, main, reset);
}

void PerformerPageWriter::finish(int id, const QString& page, const RowReader& info, bool main, bool reset)
{
    TExportEncyclopaediaDM& dm = m_dm;
    dm.AddLastLink(QStringLiteral("<a href=\"../") + TExportEncyclopaediaDM::PerformerURL(info.integer("Link"))
                       + QStringLiteral("\">") + h(info.text("NameFull")) + QStringLiteral("</a>"),
                   main);
    if (reset)
        dm.ResetPublication(QStringLiteral("P"), id);
    dm.countPage(page);
}

void PerformerPageWriter::writeAlias(int aliasId, int mainId)
{
    TExportEncyclopaediaDM& dm = m_dm;
    const QString page = dm.PerformerFile(aliasId);
    dm.WriteRegion(page, marker::ETB(), marker::ETE(), true, dm.parameters().performer,
                   {QStringLiteral("<meta http-equiv=\"refresh\" content=\"0;URL=") + htmlAttr(dm.redirectURL(mainId))
                    + QStringLiteral("\" />")});
    dm.WriteRegion(page, marker::EPB(), marker::EPE(), false, QString(), {QStringLiteral("&nbsp;")});
    dm.MarkPublicFolder(page);
}

} // namespace vintora::export_
