#include "shell/tcoshellfolderbrowse.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>

namespace vintora::shell {

TcoShellFolderBrowse::TcoShellFolderBrowse(QObject* parent)
    : QObject(parent)
{
}

QString TcoShellFolderBrowse::shortenPath(const QString& path, int maxLength)
{
    if (path.size() <= maxLength)
        return path;
    const QString sep = QStringLiteral("/");
    QStringList parts = path.split(sep);
    if (parts.size() < 3)
        return path.left(maxLength);
    const QString first = parts.takeFirst();
    // Drop elements after the first until "first/.../rest" fits.
    while (parts.size() > 1) {
        parts.removeFirst();
        const QString candidate = first + sep + QStringLiteral("...") + sep + parts.join(sep);
        if (candidate.size() <= maxLength)
            return candidate;
    }
    const QString candidate = first + sep + QStringLiteral("...") + sep + parts.join(sep);
    return candidate.left(maxLength);
}

QString TcoShellFolderBrowse::withTrailingSeparator(const QString& folder)
{
    QString f = QDir::cleanPath(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

bool TcoShellFolderBrowse::execute(QWidget* parent)
{
    QWidget* over = parent ? parent : QApplication::activeWindow();
    QFileDialog dialog(over, Title);
    // Our own dialog, so that it can be placed and carry the status line.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QFileInfo start(Directory);
    if (!Directory.isEmpty() && start.isDir())
        dialog.setDirectory(start.absoluteFilePath());
    else if (!RootFolder.isEmpty() && QFileInfo(RootFolder).isDir())
        dialog.setDirectory(RootFolder);
    else
        dialog.setDirectory(QDir::homePath());

    QLabel* status = nullptr;
    if (PathInStatus) {
        status = new QLabel(&dialog);
        status->setObjectName(QStringLiteral("laStatus"));
        status->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
        status->setText(shortenPath(QDir::toNativeSeparators(dialog.directory().absolutePath())));
    }
    auto current = [this, status](const QString& path) {
        if (status)
            status->setText(shortenPath(QDir::toNativeSeparators(path)));
        emit changed(path);
    };
    connect(&dialog, &QFileDialog::currentChanged, this, current);
    connect(&dialog, &QFileDialog::directoryEntered, this, current);

    // Centred across the window it is opened over, a quarter of that window's height down.
    dialog.adjustSize();
    const QRect base = over ? over->frameGeometry()
                            : (QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry() : QRect());
    if (base.isValid())
        dialog.move(base.left() + (base.width() - dialog.width()) / 2, base.top() + base.height() / 4);
    emit initialized();

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (!QFileInfo(chosen).isDir())
        return false;
    Directory = withTrailingSeparator(chosen);
    return true;
}

} // namespace vintora::shell
