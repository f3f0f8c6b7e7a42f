#pragma once
// String helpers of the text rules. Every name that enters the catalogue passes through them,
// so each does exactly what its comment says, character for character. Positions are 1-based.
#include <QString>
#include <QStringList>

namespace vintora::text {

// Upper and lower case one character for one character (Cyrillic, Latin with diacritics, ё
// included), so a text keeps its length and positions found before a case change stay valid.
QString upperCase(const QString& text);
QString lowerCase(const QString& text);
QChar upperChar(QChar c);

// "Trim" removes leading and trailing characters with codes 0..32 (no-break spaces stay).
QString trim(const QString& text);
QString trimLeft(const QString& text);
QString trimRight(const QString& text);

// Every c removed.
QString DeleteChars(const QString& text, QChar c);
// Every run of two or more c reduced to a single c.
QString CollapseRuns(const QString& text, QChar c);
// DeleteChars for each character of deleted, then CollapseRuns for each character of collapsed.
QString StripAndCollapse(const QString& text, const QString& deleted, const QString& collapsed);
// Every character of the text found in set replaced by c; the length is unchanged.
QString ReplaceCharSet(const QString& text, const QString& set, QChar c);
// The text without its first / last n characters (empty when n reaches its length).
QString DropFirstChars(const QString& text, qsizetype n);
QString DropLastChars(const QString& text, qsizetype n);
// True for an empty text and for one that trimming empties.
bool IsBlank(const QString& text);
// b blank: a; a blank: b; else a, the separator (followed by a space unless it is a single
// space) and b: ("a", "b", ",") gives "a, b", ("a", "b", " ") gives "a b".
QString JoinNonEmpty(const QString& a, const QString& b, const QString& separator);
// Position of the first character of text that occurs in set; 0 when none does.
qsizetype FindFirstOf(const QString& set, const QString& text);

// The 50 word delimiters of TitleCase: 0x00..0x1F, the space and " ( ) , - . / : ; [ ] \ ` { } « ».
const QString& TitleCaseDelimiters();
// Lower-cases the text, then upper-cases each character that follows a delimiter (or starts
// the text) and is no delimiter itself: "3rd world" gives "3rd World", "o'neil" gives "O'neil".
QString TitleCase(const QString& text);

// The eight quote characters QuoteGuillemets blanks out: " ‘ ’ „ “ ” « ».
const QString& QuoteCharacters();
// One leading and one trailing apostrophe dropped, the quote characters blanked, trimmed, and
// the result put in guillemets ("«»" for an empty text).
QString QuoteGuillemets(const QString& text);
// "[" becomes "(" and "]" becomes ")".
QString SquareToRound(const QString& text);

// Each line trimmed in place.
void TrimLines(QStringList& lines);
// The first character of each non-empty line upper-cased; the rest unchanged.
void CapitalizeLines(QStringList& lines);
// Empty lines removed from the end; a line of blanks counts as non-empty.
void DropTrailingEmptyLines(QStringList& lines);

// The first character as a text; empty for an empty text.
QString FirstChar(const QString& text);
// The host part of a web address: the text after the first "//" (all of it when there is none),
// cut before the first "/" that follows.
QString SiteFromURL(const QString& text);
// The integer written from the second character on. Throws ConversionError when it is none.
int NumberAfterFirstChar(const QString& text);

// The clipboard (needs a QGuiApplication). An empty text leaves the clipboard as it is.
void PutClipboardText(const QString& text);
QString GetClipboardText();
// The clipboard's text after t, a line holding "&" between: t CR LF "&" CR LF clipboard.
// An empty t gives the clipboard's text alone.
QString AppendClipboardText(const QString& text);

} // namespace vintora::text
