#pragma once
#include <QDate>
#include <QString>

namespace vintora::os {

// The program's daily log: one Windows-1251 text file per start day, named after the
// executable and the start date ("vintora261211.log"), in the user's data folder.
class AppLog {
public:
    // The file this run writes to; fixed at the first call, so a run past midnight keeps it.
    static QString fileName();
    // Sends the log to another folder (tests, batch runs); the name is chosen again.
    static void setFolder(const QString& folder);

    // Appends one entry: an empty line, the time followed by " ]" and 70 hyphens, the text. A
    // new file starts with "Журнал приложения Vintora <date>". Write errors are raised.
    static void writeLog(const QString& text);
};

inline void WriteLog(const QString& text)
{
    AppLog::writeLog(text);
}

namespace detail {
inline QString logArg(const QString& s) { return s; }
template <typename T>
QString logArg(const T& value)
{
    return QString::number(value);
}
} // namespace detail

// Formats "%1", "%2"... in one pass (so a "%2" inside a file name stays as it is), then writes.
template <typename... Args>
void WriteLogFmt(const QString& format, const Args&... args)
{
    AppLog::writeLog(format.arg(detail::logArg(args)...));
}

} // namespace vintora::os
