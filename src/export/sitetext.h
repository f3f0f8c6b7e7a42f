#pragma once
// Text helpers of the site writer: letter codes, HTML escaping and the Windows-1251 files that
// templates and pages are. General string helpers come from text/stringhelpers.h.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vintora::export_ {

// n written as exactly k lower-case Latin letters, base 26, most significant first; letters
// above the k-th are dropped. LetterCode(1, 4) = "aaab", LetterCode(65, 2) = "cn".
QString LetterCode(qint64 n, int k);

// The Windows-1251 byte of a character, or -1 when the code page lacks it.
int cp1251Byte(QChar c);
// Whether every character of the text has a Windows-1251 byte.
bool isCp1251(const QString& text);

// Catalogue text for the body of a page: "&", "<" and ">" become entities.
QString htmlText(const QString& text);
// Catalogue text inside a double-quoted attribute: as htmlText, and '"' and "'" as well.
QString htmlAttr(const QString& text);

// Text encoded in Windows-1251; a character the code page lacks is written as "&#N;".
QByteArray encodePage(const QString& text);
QString decodePage(const QByteArray& bytes);

// Lines of a Windows-1251 text: CR LF, a lone CR or a lone LF each end a line.
QStringList splitLines(const QString& text);
// Reads a file's lines; false when it cannot be opened.
bool readPageLines(const QString& path, QStringList& lines);
// Whether the file's text contains the given text (read as Windows-1251).
bool fileContains(const QString& path, const QString& text);

} // namespace vintora::export_
