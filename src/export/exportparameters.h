#pragma once
#include <QString>
#include <memory>

namespace vintora::db {
class TcoPTable;
}

namespace vintora::export_ {

// The export's parameters as the parameter frame keeps them.
struct ExportParameters {
    QString root;      // main page; its folder is the site root
    QString alpha;     // letter pages and the pages of "index/"
    QString performer;
    QString album;
    QString genre;
    QString firm;
    int objCount = 100; // performer and album pages written by one full run
    bool newVersion = false;
    QString exe;        // publishing program
    // Host of the published site for alias redirects; empty gives relative redirects, so a
    // site exported to a local folder works when opened from disk.
    QString siteHost;

    // The shipped templates of folder (a copy of data/site): main page and the five templates.
    static ExportParameters shippedTemplates(const QString& folder);
    // The folder of the shipped templates: VINTORA_SITE_TEMPLATES, else beside the program
    // (../share/vintora/site), else the source tree's data/site.
    static QString shippedTemplateFolder();
};

// The parameter frame's record: the fields of the frame in its order, stored under
// "ExportDataParameterQueryDefault".
QString exportParameterValueName();
std::unique_ptr<db::TcoPTable> createParameterTable();
ExportParameters parametersFromTable(const db::TcoPTable& table);
void parametersToTable(const ExportParameters& p, db::TcoPTable& table);

// Whether parameters were ever stored; loads them (empty fields keep fallback's values).
bool hasStoredParameters();
ExportParameters loadStoredParameters(const ExportParameters& fallback);
void saveStoredParameters(const ExportParameters& p);

// The installation setting of the public site's host ("Export/SiteHost").
QString publicSiteHost();
void setPublicSiteHost(const QString& host);

} // namespace vintora::export_
