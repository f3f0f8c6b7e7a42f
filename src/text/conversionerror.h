#pragma once
#include <QString>
#include <stdexcept>

namespace vintora::text {

// A text that should hold a number holds none.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text)
        : std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString()), m_text(text)
    {
    }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace vintora::text
