#pragma once
#include <QString>

namespace vintora::export_ {

// The comment markers of the templates and the design line of the current templates.
namespace marker {
inline QString ETB() { return QStringLiteral("<!-- Vintora ETB -->"); }
inline QString ETE() { return QStringLiteral("<!-- Vintora ETE -->"); }
inline QString EPB() { return QStringLiteral("<!-- Vintora EPB -->"); }
inline QString EPE() { return QStringLiteral("<!-- Vintora EPE -->"); }
inline QString ELB() { return QStringLiteral("<!-- Vintora ELB -->"); }
inline QString ELE() { return QStringLiteral("<!-- Vintora ELE -->"); }
inline QString EAB() { return QStringLiteral("<!-- Vintora EAB -->"); }
inline QString EAE() { return QStringLiteral("<!-- Vintora EAE -->"); }
inline QString ESB() { return QStringLiteral("<!-- Vintora ESB -->"); }
inline QString ESE() { return QStringLiteral("<!-- Vintora ESE -->"); }
inline QString EKB() { return QStringLiteral("<!-- Vintora EKB -->"); }
inline QString EKE() { return QStringLiteral("<!-- Vintora EKE -->"); }
inline QString version() { return QStringLiteral("<!-- version 2.05 -->"); }
} // namespace marker

// HTML pieces the index pages share.
namespace piece {
inline QString table50()
{
    return QStringLiteral(
        "<table border=\"0\" width=\"100%\" cellpadding=\"0\" cellspacing=\"0\"><tr><td width=\"50%\" valign=\"top\">");
}
inline QString nextColumn() { return QStringLiteral("</ul></td><td width=\"50%\" valign=\"top\"><ul>"); }
inline QString endTable() { return QStringLiteral("</ul></td></tr></table>"); }
} // namespace piece

} // namespace vintora::export_
