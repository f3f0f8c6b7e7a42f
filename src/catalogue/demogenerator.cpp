#include "catalogue/demogenerator.h"

#include "platform/db/connection.h"
#include "platform/utf8.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <random>

namespace vintora::catalogue {

namespace {

using db::Params;

// A deterministic generator: the same seed gives the same catalogue on every machine.
class Dice {
public:
    explicit Dice(quint32 seed) : m_engine(seed) {}
    int below(int n) { return n <= 0 ? 0 : int(m_engine() % quint32(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, size_t N>
    const T& pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    std::mt19937 m_engine;
};

const char* const latinFirst[] = {"John", "Paul", "George", "Mary", "Steve", "Peter", "Anna", "David", "Chris",
                                  "Robert", "Jimmy", "Keith", "Nick", "Brian", "Roger", "Patti", "Joni", "Neil",
                                  "Eric", "Tom", "Laura", "Ian", "Richard", "Kate"};
const char* const latinLast[] = {"Walker", "Morrison", "Hendricks", "Fairbanks", "Clarke", "O'Donnell", "Weller",
                                 "McAllister", "Baxter", "Holloway", "Grant", "Sutton", "Marlowe", "Reed", "Lynch",
                                 "Carver", "Doyle", "Fenwick", "Hayes", "Kingsley", "Lowell", "Prescott"};
const char* const russianFirst[] = {"Андрей", "Борис", "Виктор", "Юрий", "Алла", "Елена", "Сергей", "Пётр",
                                    "Ольга", "Михаил", "Наталья", "Игорь", "Жанна", "Фёдор", "Людмила"};
const char* const russianLast[] = {"Соколов", "Белов", "Макаревич", "Гребенщиков", "Цветаев", "Орлов", "Ёлкин",
                                   "Лебедев", "Римский-Корсаков", "Шевчук", "Кузьмин", "Васильев", "Зорин",
                                   "Морозов", "Ветров"};
const char* const bandFirst[] = {"Crimson", "Silver", "Electric", "Velvet", "Midnight", "Iron", "Golden", "Northern",
                                 "Hollow", "Wild", "Deep", "Blue", "Stone", "Glass", "Paper", "Neon"};
const char* const bandSecond[] = {"Owls", "Riders", "Machine", "Garden", "Harbour", "Lights", "Tigers", "Union",
                                  "Parade", "Engine", "Saints", "Echo", "Orchestra", "Society", "Brothers"};
const char* const russianBands[] = {"Машина времени", "Аквариум", "Кино", "Песняры", "Круиз", "Зодчие", "Сурганова",
                                    "Пикник", "Ветер перемен", "Белая гвардия", "Ночной проспект", "Ноль", "Браво",
                                    "Високосный год", "Северный флот"};
const char* const titleWords[] = {"Night", "River", "Dreams", "Fire", "Road", "Heart", "Winter", "Light", "Echoes",
                                  "Shadow", "Morning", "Stone", "Ocean", "Wind", "Silence", "Glory", "Time",
                                  "Garden", "Machine", "Head", "Summer", "Rain", "Gold", "Empire"};
const char* const russianWords[] = {"Ночь", "Река", "Время", "Дорога", "Зима", "Свет", "Ветер", "Город", "Небо",
                                    "Песня", "Осень", "Звезда", "Берег", "Лето", "Огонь", "Тишина", "Ёлка"};
const char* const genreGroups[] = {"Рок", "Поп", "Джаз", "Блюз", "Электроника", "Классика", "Фолк", "Хип-хоп",
                                   "Метал", "Авторская песня", "Кантри", "Регги"};
const char* const genreNames[] = {"Хард-рок", "Прог-рок", "Психоделический рок", "Панк", "Новая волна", "Гранж",
                                  "Синти-поп", "Диско", "Бибоп", "Фьюжн", "Свинг", "Дельта-блюз", "Чикагский блюз",
                                  "Техно", "Эмбиент", "Хаус", "Барокко", "Романтизм", "Кельтский фолк", "Бард-рок",
                                  "Трэш-метал", "Хэви-метал", "Дум-метал", "Рок-н-ролл", "Арт-рок", "Софт-рок",
                                  "Dub", "Ska", "Bluegrass", "Trip-hop", "Britpop", "Shoegaze"};
const char* const firmWords[] = {"Records", "Music", "Sound", "Studio", "Label", "Recordings", "Audio", "Discs"};
const char* const firmNames[] = {"Мелодия", "Apple", "Harvest", "Island", "Polydor", "Virgin", "Chrysalis",
                                 "Vertigo", "Elektra", "Capitol", "Decca", "Columbia", "Atlantic", "Asylum",
                                 "Moroz", "Союз", "Feelee", "Real", "Grand", "Ладья"};
const char* const roles[] = {"вокал", "гитара", "бас-гитара", "ударные", "клавишные", "Vocals", "Guitar", "Bass",
                             "Drums", "Keyboards", "Producer", "саксофон", "аранжировка", "Lead Vocals, Guitar",
                             "скрипка", "Engineer"};
const char* const countries[] = {"GB", "US", "SU", "RU", "DE", "FR", "JP", "NL", "IT", "CA"};
const char* const issueKinds[] = {"LP", "CD", "MC", "EP", "2LP", "2CD", "DIG"};
const char* const mediumKinds[] = {"CD", "CD", "CD", "LP", "MC", "LP", "GR", "MN"};
const char* const lyricLines[] = {"Мы выходим в ночь, и город спит,", "The river runs beneath the stone,",
                                  "А ветер знает всё, что было с нами,", "And every light along the road",
                                  "Звёзды падают в холодную реку,", "Keeps calling me back home,",
                                  "Ещё не поздно всё начать сначала.", "Till morning comes again."};

// Album kinds weighted as a collection has them: mostly studio albums.
const int kindWeights[] = {1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12};

QByteArray makePicture(int hue)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue % 360, 120, 200));
    QPainter p(&image);
    p.setPen(Qt::white);
    p.drawEllipse(8, 8, 32, 32);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

class Generator {
public:
    Generator(db::Connection& c, const DemoOptions& o) : c(c), o(o), dice(o.seed), now(c.getDate()) {}

    DemoCounts run()
    {
        db::Transaction t(c);
        nextPerformer = c.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM Performer")).toInt() + 1;
        nextAlbum = c.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM Album")).toInt() + 1;
        nextIssue = c.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM AlbumIssue")).toInt() + 1;
        nextFirm = c.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM Firm")).toInt() + 1;
        nextGenre = c.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM Genre")).toInt() + 1;
        for (int i = 0; i < 4; ++i)
            pictures << makePicture(i * 83);
        makeGenres();
        makeFirms();
        makePlaces();
        for (int i = 0; i < o.performers; ++i) {
            makePerformer(i);
            if (o.progress && (i + 1) % 500 == 0)
                o.progress(i + 1, o.performers);
        }
        c.execute(QStringLiteral("INSERT INTO DataBaseInstant (Instant, Text) VALUES (:At, :Text)"),
                  {{QStringLiteral("At"), now}, {QStringLiteral("Text"), S("Демонстрационный каталог: %1 исполнителей.").arg(o.performers)}});
        t.commit();
        return counts;
    }

private:
    void makeGenres()
    {
        for (const char* g : genreGroups) {
            const int id = nextGenre++;
            insertGenre(id, S(g), QVariant(), QVariant());
            groups << id;
        }
        for (const char* g : genreNames) {
            const int id = nextGenre++;
            const int group = groups[dice.below(int(groups.size()))];
            const QVariant second = dice.chance(15) ? QVariant(groups[dice.below(int(groups.size()))]) : QVariant();
            insertGenre(id, S(g), group, second == QVariant(group) ? QVariant() : second);
            genres << id;
        }
    }

    void insertGenre(int id, const QString& name, const QVariant& group, const QVariant& second)
    {
        c.execute(QStringLiteral("INSERT INTO Genre (ID, Name, \"Union\", UnionAddition, Publication) VALUES (:ID, :N, :U, :A, :P)"),
                  {{QStringLiteral("ID"), id}, {QStringLiteral("N"), name}, {QStringLiteral("U"), group},
                   {QStringLiteral("A"), second}, {QStringLiteral("P"), now}});
        ++counts.genres;
    }

    void makeFirms()
    {
        const int total = 40 + o.performers / 50;
        for (int i = 0; i < total; ++i) {
            const int id = nextFirm++;
            QString name = S(dice.pick(firmNames));
            if (i >= int(std::size(firmNames)))
                name = capitalised(S(dice.pick(titleWords))) + QLatin1Char(' ') + S(dice.pick(firmWords));
            if (i >= int(std::size(firmNames)) && dice.chance(30))
                name += QStringLiteral(" %1").arg(i);
            c.execute(QStringLiteral("INSERT INTO Firm (ID, Name, ShortName, LabelCode, Publication) VALUES (:ID, :N, :S, :L, :P)"),
                      {{QStringLiteral("ID"), id}, {QStringLiteral("N"), name},
                       {QStringLiteral("S"), name.left(12)},
                       {QStringLiteral("L"), dice.chance(40) ? QVariant(QStringLiteral("LC%1").arg(dice.between(100, 99999) % 100000).left(5)) : QVariant()},
                       {QStringLiteral("P"), now}});
            if (!firms.isEmpty() && dice.chance(20)) {
                c.execute(QStringLiteral("INSERT INTO FirmParent (Firm, Parent) VALUES (:F, :P)"),
                          {{QStringLiteral("F"), id}, {QStringLiteral("P"), firms[dice.below(int(firms.size()))]}});
            }
            firms << id;
            ++counts.firms;
        }
    }

    void makePlaces()
    {
        const struct {
            int kind;
            const char* computer;
            const char* volume;
        } places[] = {{3, "DEMO", "MUSIC1"}, {3, "DEMO", "MUSIC2"}, {5, "CD-ROM", "MP3_COLLECTION"}};
        for (const auto& p : places) {
            const qint64 id = c.insertReturningId(
                QStringLiteral("INSERT INTO MediumMpegPlace (Kind, Computer, Volume, Name) VALUES (:K, :C, :V, :N)"),
                {{QStringLiteral("K"), p.kind}, {QStringLiteral("C"), S(p.computer)}, {QStringLiteral("V"), S(p.volume)},
                 {QStringLiteral("N"), S(p.volume)}});
            this->places << int(id);
        }
    }

    QString albumTitle()
    {
        if (dice.chance(35))
            return S(dice.pick(russianWords)) + (dice.chance(40) ? QLatin1Char(' ') + S(dice.pick(russianWords)).toLower() : QString());
        QString t = S(dice.pick(titleWords));
        if (dice.chance(60))
            t += QLatin1Char(' ') + S(dice.pick(titleWords));
        if (dice.chance(15))
            t = QStringLiteral("The ") + t;
        return t;
    }

    void makePerformer(int index)
    {
        const int id = nextPerformer++;
        const bool russian = dice.chance(45);
        const bool group = dice.chance(40);
        QVariant first, last;
        if (group) {
            last = russian ? S(dice.pick(russianBands)) : S(dice.pick(bandFirst)) + QLatin1Char(' ') + S(dice.pick(bandSecond));
            if (dice.chance(25))
                last = QStringLiteral("The ") + last.toString();
        } else {
            first = russian ? S(dice.pick(russianFirst)) : S(dice.pick(latinFirst));
            last = russian ? S(dice.pick(russianLast)) : S(dice.pick(latinLast));
        }
        // Names repeat in a large catalogue; the number keeps them apart as a collector would.
        const QVariant addOn = index >= 200 && dice.chance(70) ? QVariant(QStringLiteral("(%1)").arg(index))
                                                               : (dice.chance(10) ? QVariant(S("(мл.)")) : QVariant());
        QVariant main;
        // A name variant points at a main performer, never at another variant.
        if (!mainPerformers.isEmpty() && dice.chance(5))
            main = mainPerformers[dice.below(int(mainPerformers.size()))];
        const int genre = genres[dice.below(int(genres.size()))];
        QVariant text;
        if (dice.chance(30))
            text = S("Биография: %1 начал%2 выступать в %3 году. Известен%2 по альбомам & концертам <в записи>.")
                       .arg(last.toString(), group ? S("и") : QString(), QString::number(dice.between(1955, 2015)));
        const QVariant picture = dice.chance(8) ? QVariant(pictures[dice.below(int(pictures.size()))]) : QVariant();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, FirstName, LastName, AddOn, Main, Genre, PlayQuery, Text, Picture, Publication) "
                                 "VALUES (:ID, :F, :L, :A, :M, :G, :Q, :T, :Pic, :P)"),
                  {{QStringLiteral("ID"), id}, {QStringLiteral("F"), first}, {QStringLiteral("L"), last},
                   {QStringLiteral("A"), addOn}, {QStringLiteral("M"), main}, {QStringLiteral("G"), genre},
                   {QStringLiteral("Q"), dice.chance(70)}, {QStringLiteral("T"), text}, {QStringLiteral("Pic"), picture},
                   {QStringLiteral("P"), now}});
        ++counts.performers;
        c.execute(QStringLiteral("INSERT INTO PerformerGenre (Performer, Genre) VALUES (:P, :G)"),
                  {{QStringLiteral("P"), id}, {QStringLiteral("G"), genre}});
        if (dice.chance(25)) {
            const int other = genres[dice.below(int(genres.size()))];
            if (other != genre)
                c.execute(QStringLiteral("INSERT INTO PerformerGenre (Performer, Genre) VALUES (:P, :G)"),
                          {{QStringLiteral("P"), id}, {QStringLiteral("G"), other}});
        }
        if (group) {
            for (int k = dice.between(0, 3); k > 0 && !persons.isEmpty(); --k) {
                c.execute(QStringLiteral("INSERT INTO PerformerLink (Performer, Link, Title) VALUES (:P, :L, :T)"),
                          {{QStringLiteral("P"), id}, {QStringLiteral("L"), persons[dice.below(int(persons.size()))]},
                           {QStringLiteral("T"), dice.chance(20)}});
            }
        } else {
            persons << id;
        }
        if (dice.chance(15)) {
            c.execute(QStringLiteral("INSERT INTO Internet (Kind, Object, Name, URL) VALUES ('P', :O, :N, :U)"),
                      {{QStringLiteral("O"), id}, {QStringLiteral("N"), S("Официальный сайт")},
                       {QStringLiteral("U"), QStringLiteral("https://example.org/artist/%1?lang=ru&v=1").arg(id)}});
        }
        if (dice.chance(2)) {
            c.execute(QStringLiteral("INSERT INTO Task (Kind, Object, Task, Created) VALUES ('P', :O, :T, :C)"),
                      {{QStringLiteral("O"), id}, {QStringLiteral("T"), S("Проверить дискографию")}, {QStringLiteral("C"), now}});
        }
        performers << id;
        if (main.isNull())
            mainPerformers << id;
        const int albums = main.isNull() ? dice.between(0, 6) : dice.between(0, 1);
        for (int a = 0; a < albums; ++a)
            makeAlbum(id, last.toString(), group);
    }

    void makeAlbum(int performer, const QString& performerName, bool group)
    {
        const int id = nextAlbum++;
        const int kind = dice.pick(kindWeights);
        const QString year = QString::number(dice.between(1962, 2024));
        const QString title = albumTitle();
        const QVariant notes = dice.chance(20) ? QVariant(S("Записано на студии «%1». Переиздано с бонусами.").arg(S(dice.pick(firmNames))))
                                               : QVariant();
        insertAlbum(id, performer, kind, title, year, QVariant(), QVariant(), notes);
        makeAlbumParts(id, performer, performerName, group, year, title);
        // An edition of the same recording now and then: a remaster with its own issue.
        if (dice.chance(10)) {
            const int edition = nextAlbum++;
            insertAlbum(edition, performer, kind, title, year, id, S("Ремастеринг %1").arg(dice.between(1995, 2020)), QVariant());
            makeAlbumParts(edition, performer, performerName, group, year, title);
        }
    }

    void insertAlbum(int id, int performer, int kind, const QString& title, const QString& year, const QVariant& master,
                     const QVariant& edition, const QVariant& notes)
    {
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear, RecordYearAdd, EditMaster, EditDescription, "
                                 "Compound, Need, NotPlay, Range, Added, Publication, Notes, Picture) "
                                 "VALUES (:ID, :P, :K, :T, :Y, :YA, :M, :E, 0, :N, :NP, :R, :A, :Pub, :Notes, :Pic)"),
                  {{QStringLiteral("ID"), id}, {QStringLiteral("P"), performer}, {QStringLiteral("K"), kind},
                   {QStringLiteral("T"), title}, {QStringLiteral("Y"), year},
                   {QStringLiteral("YA"), dice.chance(5) ? QVariant(QStringLiteral("a")) : QVariant()},
                   {QStringLiteral("M"), master}, {QStringLiteral("E"), edition}, {QStringLiteral("N"), dice.chance(5)},
                   {QStringLiteral("NP"), dice.chance(3)}, {QStringLiteral("R"), dice.between(0, 9)},
                   {QStringLiteral("A"), now.addDays(-dice.below(3000))}, {QStringLiteral("Pub"), now},
                   {QStringLiteral("Notes"), notes},
                   {QStringLiteral("Pic"), dice.chance(10) ? QVariant(pictures[dice.below(int(pictures.size()))]) : QVariant()}});
        ++counts.albums;
    }

    void makeAlbumParts(int album, int performer, const QString& performerName, bool group, const QString& year,
                        const QString& title)
    {
        for (int i = dice.between(1, 2), n = 0; n < i; ++n) {
            const int issue = nextIssue++;
            c.execute(QStringLiteral("INSERT INTO AlbumIssue (ID, Album, Kind, IssueYear, Country, Remark, Self, Main) "
                                     "VALUES (:ID, :A, :K, :Y, :C, :R, :S, :M)"),
                      {{QStringLiteral("ID"), issue}, {QStringLiteral("A"), album}, {QStringLiteral("K"), S(dice.pick(issueKinds))},
                       {QStringLiteral("Y"), QString::number(year.toInt() + (n == 0 ? 0 : dice.between(1, 20)))},
                       {QStringLiteral("C"), S(dice.pick(countries))},
                       {QStringLiteral("R"), dice.chance(10) ? QVariant(S("Ограниченный тираж")) : QVariant()},
                       {QStringLiteral("S"), dice.chance(50)}, {QStringLiteral("M"), n == 0}});
            c.execute(QStringLiteral("INSERT INTO AlbumIssueLabel (Issue, Label, CatalogNumber, Main) VALUES (:I, :L, :N, 1)"),
                      {{QStringLiteral("I"), issue}, {QStringLiteral("L"), firms[dice.below(int(firms.size()))]},
                       {QStringLiteral("N"), QStringLiteral("%1-%2").arg(QChar(u'A' + dice.below(26))).arg(dice.between(100, 99999))}});
        }
        if (!persons.isEmpty()) {
            for (int k = group ? dice.between(1, 4) : dice.between(0, 2); k > 0; --k) {
                const int who = persons[dice.below(int(persons.size()))];
                c.execute(QStringLiteral("INSERT INTO AlbumRole (Album, Performer, Role, Play, Member, Master, SpecialGuest) "
                                         "VALUES (:A, :P, :R, 1, :M, :Ma, :G)"),
                          {{QStringLiteral("A"), album}, {QStringLiteral("P"), who}, {QStringLiteral("R"), S(dice.pick(roles))},
                           {QStringLiteral("M"), group}, {QStringLiteral("Ma"), group ? QVariant(performer) : QVariant()},
                           {QStringLiteral("G"), dice.chance(5)}});
            }
        }
        if (dice.chance(60)) {
            c.execute(QStringLiteral("INSERT INTO Medium (Album, Kind, Number, Year, Fabricator, Self) VALUES (:A, :K, :N, :Y, :F, 1)"),
                      {{QStringLiteral("A"), album}, {QStringLiteral("K"), S(dice.pick(mediumKinds))},
                       {QStringLiteral("N"), QString::number(dice.between(1, 999))}, {QStringLiteral("Y"), year},
                       {QStringLiteral("F"), dice.chance(50) ? QVariant(firms[dice.below(int(firms.size()))]) : QVariant()}});
        }
        const int tracks = dice.between(4, 14);
        QList<int> lengths;
        for (int n = 1; n <= tracks; ++n) {
            const int seconds = dice.between(95, 540);
            lengths << seconds;
            const QVariant lyrics = dice.chance(12) ? QVariant(QStringLiteral("%1\r\n%2\r\n%3\r\n%4")
                                                                   .arg(S(dice.pick(lyricLines)), S(dice.pick(lyricLines)),
                                                                        S(dice.pick(lyricLines)), S(dice.pick(lyricLines))))
                                                    : QVariant();
            c.execute(QStringLiteral("INSERT INTO Track (Album, Number, SubNumber, Title, Length, Authors, Description, Lyrics) "
                                     "VALUES (:A, :N, :S, :T, :L, :Au, :D, :Ly)"),
                      {{QStringLiteral("A"), album}, {QStringLiteral("N"), n},
                       {QStringLiteral("S"), n == tracks && dice.chance(15) ? QVariant(QStringLiteral("+")) : QVariant()},
                       {QStringLiteral("T"), albumTitle()},
                       {QStringLiteral("L"), QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'))},
                       {QStringLiteral("Au"), dice.chance(60) ? QVariant(performerName) : QVariant()},
                       {QStringLiteral("D"), dice.chance(8) ? QVariant(S("концертная версия")) : QVariant()},
                       {QStringLiteral("Ly"), lyrics}});
            ++counts.tracks;
        }
        if (dice.chance(45)) {
            const int place = places[dice.below(int(places.size()))];
            const qint64 dir = c.insertReturningId(
                QStringLiteral("INSERT INTO MediumMpegDir (Album, Place, Path, SourceYear, Scan) VALUES (:A, :P, :Path, :Y, :S)"),
                {{QStringLiteral("A"), album}, {QStringLiteral("P"), place},
                 {QStringLiteral("Path"), QStringLiteral("/Music/%1/%2 - %3 [%4]").arg(performerName, year, title).arg(album)},
                 {QStringLiteral("Y"), year}, {QStringLiteral("S"), now}});
            const bool vbr = dice.chance(30);
            const int bitrate = vbr ? 0 : (dice.chance(50) ? 320 : (dice.chance(50) ? 192 : 128));
            for (int n = 1; n <= tracks; ++n) {
                const int rate = vbr ? dice.between(160, 260) : bitrate;
                const int seconds = lengths[n - 1];
                c.execute(QStringLiteral("INSERT INTO MediumMpegFile (Directory, Name, Size, Age, Encoder, VBR, BitRate, ChannelMode, "
                                         "IsLyrics, IsArt, Duration, Version) "
                                         "VALUES (:D, :N, :S, :A, :E, :V, :B, :C, 0, 0, :Du, :Ve)"),
                          {{QStringLiteral("D"), dir}, {QStringLiteral("N"), QStringLiteral("%1.mp3").arg(n, 2, 10, QLatin1Char('0'))},
                           {QStringLiteral("S"), seconds * rate * 125}, {QStringLiteral("A"), now.addDays(-dice.below(5000))},
                           {QStringLiteral("E"), vbr ? QStringLiteral("LAME3.100") : QStringLiteral("LAME3.99r")},
                           {QStringLiteral("V"), vbr}, {QStringLiteral("B"), rate}, {QStringLiteral("C"), dice.below(2)},
                           {QStringLiteral("Du"), seconds}, {QStringLiteral("Ve"), QStringLiteral("ID3v2.3")}});
                ++counts.files;
            }
        }
    }

    db::Connection& c;
    const DemoOptions& o;
    Dice dice;
    QDateTime now;
    int nextPerformer = 1, nextAlbum = 1, nextIssue = 1, nextFirm = 1, nextGenre = 1;
    QList<int> groups, genres, firms, places, performers, mainPerformers, persons;
    QList<QByteArray> pictures;
    DemoCounts counts;
};

} // namespace

DemoCounts generateDemo(db::Connection& connection, const DemoOptions& options)
{
    Generator g(connection, options);
    return g.run();
}

} // namespace vintora::catalogue
