#include "import/tbatchchooser.h"

#include "catalogue/tdmcomming.h"
#include "platform/db/connection.h"
#include "text/textrules.h"
#include "text/tsynonymdm.h"

#include <QDateTime>

namespace vintora::import {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

int idOf(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toInt() : 0;
}

} // namespace

QString TBatchChooser::describe(const ImportQuestion& q)
{
    switch (q.kind) {
    case ImportQuestion::Performer:
        return QStringLiteral("performer ") + quoted(q.text);
    case ImportQuestion::SecondPerformer:
        return QStringLiteral("original performer ") + quoted(q.text);
    case ImportQuestion::Album:
        return QStringLiteral("album %1 (performer %2, year %3)").arg(quoted(q.text)).arg(q.performerId).arg(q.year);
    case ImportQuestion::Genre:
        return QStringLiteral("genre ") + quoted(q.text);
    case ImportQuestion::Track:
        return QStringLiteral("track %1 %2 (album %3)").arg(q.number).arg(quoted(q.text)).arg(q.albumId);
    }
    return {};
}

void TBatchChooser::choose(const ImportQuestion& question, std::function<void(int)> chosen, std::function<void()> cancelled)
{
    if (!m_create) {
        m_lastUnresolved = describe(question);
        cancelled();
        return;
    }
    chosen(createFor(question));
}

int TBatchChooser::createFor(const ImportQuestion& q)
{
    db::Connection& c = m_dm.cnVintora();
    text::TextRules rules(m_dm);
    db::Transaction t(c);
    int id = 0;
    // A row the rules' text names already is taken rather than made twice ("queen" and "Queen").
    switch (q.kind) {
    case ImportQuestion::Performer:
    case ImportQuestion::SecondPerformer: {
        const QString name = rules.NormalizePerformerName(q.text).trimmed().left(100);
        id = idOf(c.scalar(QStringLiteral("SELECT ID FROM Performer WHERE LastName = :N ORDER BY ID LIMIT 1"),
                           {{QStringLiteral("N"), name}}));
        if (id == 0) {
            id = m_dm.GetEmptyID(QStringLiteral("P"));
            c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (:ID, :N)"),
                      {{QStringLiteral("ID"), id}, {QStringLiteral("N"), name}});
            ++m_created;
        }
        break;
    }
    case ImportQuestion::Album: {
        const QString title = rules.NormalizeTitle(q.text).left(200);
        const db::Params p{{QStringLiteral("P"), q.performerId}, {QStringLiteral("Y"), q.year.left(10)},
                           {QStringLiteral("T"), title}};
        id = idOf(c.scalar(QStringLiteral("SELECT ID FROM Album WHERE Performer = :P AND RecordYear = :Y AND Title = :T "
                                          "ORDER BY ID LIMIT 1"), p));
        if (id == 0) {
            id = m_dm.GetEmptyID(QStringLiteral("A"));
            db::Params insert = p;
            insert.set(QStringLiteral("ID"), id);
            insert.set(QStringLiteral("Added"), QDateTime::currentDateTime());
            c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Title, RecordYear, Added) VALUES (:ID, :P, :T, :Y, :Added)"),
                      insert);
            ++m_created;
        }
        break;
    }
    case ImportQuestion::Genre: {
        const QString name = rules.NormalizeTitle(q.text).left(50);
        id = idOf(c.scalar(QStringLiteral("SELECT ID FROM Genre WHERE Name = :N ORDER BY ID LIMIT 1"), {{QStringLiteral("N"), name}}));
        if (id == 0) {
            id = m_dm.GetEmptyID(QStringLiteral("G"));
            c.execute(QStringLiteral("INSERT INTO Genre (ID, Name) VALUES (:ID, :N)"),
                      {{QStringLiteral("ID"), id}, {QStringLiteral("N"), name}});
            ++m_created;
        }
        break;
    }
    case ImportQuestion::Track: {
        const QString title = rules.NormalizeTitle(q.text).left(150);
        const QVariant number = q.number >= 0 ? QVariant(q.number) : QVariant(QMetaType(QMetaType::Int));
        if (q.number >= 0)
            id = idOf(c.scalar(QStringLiteral("SELECT ID FROM Track WHERE Album = :AL AND Number = :NU AND Title = :TI "
                                              "ORDER BY ID LIMIT 1"),
                               {{QStringLiteral("AL"), q.albumId}, {QStringLiteral("NU"), q.number}, {QStringLiteral("TI"), title}}));
        else
            id = idOf(c.scalar(QStringLiteral("SELECT ID FROM Track WHERE Album = :AL AND Number IS NULL AND Title = :TI "
                                              "ORDER BY ID LIMIT 1"),
                               {{QStringLiteral("AL"), q.albumId}, {QStringLiteral("TI"), title}}));
        if (id == 0) {
            id = int(c.insertReturningId(QStringLiteral("INSERT INTO Track (Album, Number, Title) VALUES (:AL, :NU, :TI)"),
                                         {{QStringLiteral("AL"), q.albumId}, {QStringLiteral("NU"), number},
                                          {QStringLiteral("TI"), title}}));
            ++m_created;
        }
        break;
    }
    }
    // The tag's own text leads to the row next time, whatever the rules made of it.
    text::TSynonymDM(c).SetSynonym(id, q.synonymKey);
    t.commit();
    return id;
}

} // namespace vintora::import
