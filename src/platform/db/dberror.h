#pragma once
#include <QString>
#include <stdexcept>

namespace vintora::db {

// A failure of the catalogue database or of the data-access layer; the message is the user's text.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace vintora::db
