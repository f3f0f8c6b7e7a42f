#pragma once
#include <QString>

namespace vintora::export_ {

// A template or folder failure: the run stops at once without a dialog; the message goes to
// the export log only.
class ExportAbort {
public:
    explicit ExportAbort(QString message) : m_message(std::move(message)) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace vintora::export_
