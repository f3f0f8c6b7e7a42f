#include "catalogue/referencedata.h"

#include "platform/db/connection.h"

namespace vintora::catalogue {

namespace {

struct Pair {
    const char* id;
    const char* name;
};

// The album icons expect codes 1 to 12; the order is the order of the choice lists.
const Pair albumKinds[] = {
    {"1", "Студийный альбом"}, {"2", "Концертный альбом"}, {"3", "Сборник"},       {"4", "Сингл"},
    {"5", "Мини-альбом"},      {"6", "Саундтрек"},         {"7", "Неофициальный"}, {"8", "Демозапись"},
    {"9", "Ремиксы"},          {"10", "Посвящение"},       {"11", "Видео"},        {"12", "Бокс-сет"},
};

const Pair issueKinds[] = {
    {"LP", "Долгоиграющая пластинка"}, {"CD", "Компакт-диск"}, {"MC", "Компакт-кассета"},
    {"EP", "Миньон"},                  {"SP", "Сингл"},        {"2LP", "Две пластинки"},
    {"2CD", "Два компакт-диска"},      {"BOX", "Бокс-сет"},    {"DVD", "DVD"},
    {"SACD", "Super Audio CD"},        {"FLX", "Гибкая пластинка"}, {"DIG", "Цифровое издание"},
};

const Pair countries[] = {
    {"AR", "Аргентина"}, {"AT", "Австрия"}, {"AU", "Австралия"}, {"BE", "Бельгия"}, {"BG", "Болгария"},
    {"BR", "Бразилия"}, {"BY", "Беларусь"}, {"CA", "Канада"}, {"CH", "Швейцария"}, {"CN", "Китай"},
    {"CU", "Куба"}, {"CZ", "Чехия"}, {"DD", "ГДР"}, {"DE", "Германия"}, {"DK", "Дания"},
    {"EE", "Эстония"}, {"ES", "Испания"}, {"EU", "Европа"}, {"FI", "Финляндия"}, {"FR", "Франция"},
    {"GB", "Великобритания"}, {"GE", "Грузия"}, {"GR", "Греция"}, {"HK", "Гонконг"}, {"HR", "Хорватия"},
    {"HU", "Венгрия"}, {"IE", "Ирландия"}, {"IL", "Израиль"}, {"IN", "Индия"}, {"IS", "Исландия"},
    {"IT", "Италия"}, {"JM", "Ямайка"}, {"JP", "Япония"}, {"KR", "Южная Корея"}, {"KZ", "Казахстан"},
    {"LT", "Литва"}, {"LV", "Латвия"}, {"MD", "Молдова"}, {"MX", "Мексика"}, {"NL", "Нидерланды"},
    {"NO", "Норвегия"}, {"NZ", "Новая Зеландия"}, {"PL", "Польша"}, {"PT", "Португалия"}, {"RO", "Румыния"},
    {"RS", "Сербия"}, {"RU", "Россия"}, {"SE", "Швеция"}, {"SI", "Словения"}, {"SK", "Словакия"},
    {"SU", "СССР"}, {"TR", "Турция"}, {"TW", "Тайвань"}, {"UA", "Украина"}, {"US", "США"},
    {"UY", "Уругвай"}, {"UZ", "Узбекистан"}, {"YU", "Югославия"}, {"ZA", "ЮАР"},
};

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

void fillReferenceRows(db::Connection& c)
{
    int order = 0;
    for (const Pair& k : albumKinds) {
        c.execute(QStringLiteral("INSERT INTO AlbumKind (ID, DisplayName, \"Order\") VALUES (:ID, :Name, :Ord)"),
                  {{QStringLiteral("ID"), u8(k.id).toInt()}, {QStringLiteral("Name"), u8(k.name)},
                   {QStringLiteral("Ord"), ++order}});
    }
    // Issue kinds sort by their order descending: the common ones first.
    order = int(std::size(issueKinds));
    for (const Pair& k : issueKinds) {
        c.execute(QStringLiteral("INSERT INTO IssueKind (ID, Name, \"Order\") VALUES (:ID, :Name, :Ord)"),
                  {{QStringLiteral("ID"), u8(k.id)}, {QStringLiteral("Name"), u8(k.name)},
                   {QStringLiteral("Ord"), order--}});
    }
    for (const Pair& k : countries) {
        c.execute(QStringLiteral("INSERT INTO Country (ID, DisplayName) VALUES (:ID, :Name)"),
                  {{QStringLiteral("ID"), u8(k.id)}, {QStringLiteral("Name"), u8(k.name)}});
    }
    for (const char* item : {"-", ":"}) {
        c.execute(QStringLiteral("INSERT INTO DelimiterRole (Item, Active) VALUES (:Item, 1)"),
                  {{QStringLiteral("Item"), u8(item)}});
    }
    c.execute(QStringLiteral("INSERT INTO DataBaseInstant (Instant, Text) VALUES (:At, :Text)"),
              {{QStringLiteral("At"), c.getDate()}, {QStringLiteral("Text"), u8("Создание каталога.")}});
}

} // namespace vintora::catalogue
