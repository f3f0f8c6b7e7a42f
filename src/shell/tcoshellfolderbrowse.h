#pragma once
#include <QObject>
#include <QString>

class QWidget;

namespace vintora::shell {

// The folder choice dialog: opens on Directory when it exists, shows the current path in a
// status line, accepts folders only and returns the choice with a trailing separator.
class TcoShellFolderBrowse : public QObject {
    Q_OBJECT
public:
    explicit TcoShellFolderBrowse(QObject* parent = nullptr);

    QString Directory;
    QString Title;
    // Where browsing starts when Directory does not exist; empty: the whole file system.
    QString RootFolder;
    bool PathInStatus = true;

    // Shows the dialog over the active window; true when a folder was chosen (then in Directory).
    bool execute(QWidget* parent = nullptr);

    // A path shortened to at most maxLength characters: the elements after the first give way
    // to "..." from the front, the last element stays as long as it can.
    static QString shortenPath(const QString& path, int maxLength = 260);
    // The chosen folder with a trailing separator.
    static QString withTrailingSeparator(const QString& folder);

signals:
    void initialized();
    void changed(const QString& path);
};

} // namespace vintora::shell
