#include "platform/qt/ShellOpen.h"

#include "platform/qt/BrowserCommand.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

int StartDetached(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return QFileInfo::exists(program) ? kShellErrAccessDenied : kShellErrFileNotFound;
    return QProcess::startDetached(path, arguments) ? kShellOpenOk : kShellErrBadFormat;
}

ShellServices& Services() {
    static ShellServices services = DesktopShellServices();
    return services;
}

} // namespace

ShellServices DesktopShellServices() {
    return {[](const QUrl& url) { return QDesktopServices::openUrl(url); },
            RegisteredBrowserCommand, StartDetached};
}

void SetShellServices(ShellServices services) {
    ShellServices desktop = DesktopShellServices();
    if (!services.openWithDesktop)
        services.openWithDesktop = std::move(desktop.openWithDesktop);
    if (!services.browserCommand)
        services.browserCommand = std::move(desktop.browserCommand);
    if (!services.startDetached)
        services.startDetached = std::move(desktop.startDetached);
    Services() = std::move(services);
}

int ShellOpen(const std::string& address) {
    // A bare "www.example.com" or a file path becomes a full address; with its scheme in front,
    // the address can never be taken for an option by the browser.
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    if (address.empty() || !url.isValid())
        return kShellErrFileNotFound;
    const ShellServices& services = Services();
    if (services.openWithDesktop(url))
        return kShellOpenOk;

    QStringList words = QProcess::splitCommand(
        QString::fromStdString(CommandBeforePlaceholder(services.browserCommand())));
    if (words.isEmpty())
        return kShellErrNoAssociation;
    const QString program = words.takeFirst();
    words << url.toString(QUrl::FullyEncoded);
    return services.startDetached(program, words);
}
