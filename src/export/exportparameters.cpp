#include "export/exportparameters.h"

#include "platform/db/tcoptable.h"
#include "platform/os/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vintora::export_ {

ExportParameters ExportParameters::shippedTemplates(const QString& folder)
{
    const QString f = QDir(folder).absolutePath() + u'/';
    ExportParameters p;
    p.root = f + QStringLiteral("index.htm");
    p.alpha = f + QStringLiteral("alpha.htm");
    p.performer = f + QStringLiteral("performer.htm");
    p.album = f + QStringLiteral("album.htm");
    p.genre = f + QStringLiteral("genre.htm");
    p.firm = f + QStringLiteral("firm.htm");
    p.siteHost = publicSiteHost();
    return p;
}

QString ExportParameters::shippedTemplateFolder()
{
    const QString env = qEnvironmentVariable("VINTORA_SITE_TEMPLATES");
    if (!env.isEmpty())
        return env;
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vintora/site");
    if (QFileInfo::exists(installed + QStringLiteral("/performer.htm")))
        return QDir(installed).absolutePath();
    return QStringLiteral(VINTORA_SOURCE_DIR "/data/site");
}

QString exportParameterValueName()
{
    return QStringLiteral("ExportDataParameterQueryDefault");
}

namespace {

db::FieldDef field(const char* name, QMetaType::Type type, int size, const char* label, const char* fallback = "")
{
    db::FieldDef d;
    d.name = QString::fromLatin1(name);
    d.type = type;
    d.size = size;
    d.displayLabel = QString::fromUtf8(label);
    d.defaultExpression = QString::fromLatin1(fallback);
    return d;
}

} // namespace

std::unique_ptr<db::TcoPTable> createParameterTable()
{
    auto t = std::make_unique<db::TcoPTable>();
    t->setValueName(exportParameterValueName());
    t->addField(field("Root", QMetaType::QString, 255, "Начало"));
    t->addField(field("Alpha", QMetaType::QString, 255, "Буквы"));
    t->addField(field("Performer", QMetaType::QString, 255, "Исполнитель"));
    t->addField(field("Album", QMetaType::QString, 255, "Альбом"));
    t->addField(field("Genre", QMetaType::QString, 255, "Стиль"));
    t->addField(field("Firm", QMetaType::QString, 255, "Студия"));
    t->addField(field("Exe", QMetaType::QString, 255, "Публикация"));
    t->addField(field("ObjCount", QMetaType::Int, 0, "Обработать", "100"));
    t->addField(field("NewVersion", QMetaType::Bool, 0, "новое оформление", "False"));
    return t;
}

ExportParameters parametersFromTable(const db::TcoPTable& t)
{
    ExportParameters p;
    p.root = t.text(QStringLiteral("Root"));
    p.alpha = t.text(QStringLiteral("Alpha"));
    p.performer = t.text(QStringLiteral("Performer"));
    p.album = t.text(QStringLiteral("Album"));
    p.genre = t.text(QStringLiteral("Genre"));
    p.firm = t.text(QStringLiteral("Firm"));
    p.exe = t.text(QStringLiteral("Exe"));
    const QVariant count = t.value(QStringLiteral("ObjCount"));
    p.objCount = count.isNull() ? 100 : count.toInt();
    const QVariant nv = t.value(QStringLiteral("NewVersion"));
    p.newVersion = nv.typeId() == QMetaType::QString ? nv.toString().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
                                                     : nv.toBool();
    p.siteHost = publicSiteHost();
    return p;
}

void parametersToTable(const ExportParameters& p, db::TcoPTable& t)
{
    if (!t.isActive())
        t.open();
    if (t.isEmpty())
        t.append();
    else if (!t.isEditing())
        t.edit();
    t.setValue(QStringLiteral("Root"), p.root);
    t.setValue(QStringLiteral("Alpha"), p.alpha);
    t.setValue(QStringLiteral("Performer"), p.performer);
    t.setValue(QStringLiteral("Album"), p.album);
    t.setValue(QStringLiteral("Genre"), p.genre);
    t.setValue(QStringLiteral("Firm"), p.firm);
    t.setValue(QStringLiteral("Exe"), p.exe);
    t.setValue(QStringLiteral("ObjCount"), p.objCount);
    t.setValue(QStringLiteral("NewVersion"), p.newVersion);
    t.post();
}

bool hasStoredParameters()
{
    return !os::readBinaryValue(exportParameterValueName()).isEmpty();
}

ExportParameters loadStoredParameters(const ExportParameters& fallback)
{
    auto t = createParameterTable();
    t->loadParameters();
    ExportParameters p = parametersFromTable(*t);
    for (auto [mine, other] : {std::pair{&p.root, &fallback.root}, {&p.alpha, &fallback.alpha},
                               {&p.performer, &fallback.performer}, {&p.album, &fallback.album},
                               {&p.genre, &fallback.genre}, {&p.firm, &fallback.firm}}) {
        if (mine->isEmpty())
            *mine = *other;
    }
    return p;
}

void saveStoredParameters(const ExportParameters& p)
{
    auto t = createParameterTable();
    t->open();
    parametersToTable(p, *t);
    t->saveParameters();
}

QString publicSiteHost()
{
    return os::programSettings()->value(QStringLiteral("Export/SiteHost")).toString().trimmed();
}

void setPublicSiteHost(const QString& host)
{
    os::programSettings()->setValue(QStringLiteral("Export/SiteHost"), host);
}

} // namespace vintora::export_
