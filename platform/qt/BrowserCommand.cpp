#include "platform/qt/BrowserCommand.h"

#include <cstdlib>
#include <string_view>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

constexpr int kXdgSettingsTimeoutMs = 3000;

std::string FirstBrowserVariableEntry() {
    const char* variable = std::getenv("BROWSER");
    if (variable == nullptr)
        return {};
    const std::string list = variable;
    return list.substr(0, list.find(':'));
}

std::string DefaultDesktopBrowserEntry() {
    QProcess query;
    query.start(QStringLiteral("xdg-settings"),
                {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!query.waitForFinished(kXdgSettingsTimeoutMs) ||
        query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        query.kill();
        query.waitForFinished(kXdgSettingsTimeoutMs);
        return {};
    }
    const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (id.isEmpty())
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    QFile entry(path);
    if (path.isEmpty() || !entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream lines(&entry);
    bool inMainGroup = false;
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5).toStdString();
    }
    return {};
}

std::string InstalledWwwBrowser() {
    const QString path = QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
    return path.isEmpty() ? std::string() : path.toStdString();
}

} // namespace

std::string RegisteredBrowserCommand() {
    std::string command = FirstBrowserVariableEntry();
    if (command.empty())
        command = DefaultDesktopBrowserEntry();
    if (command.empty())
        command = InstalledWwwBrowser();
    return command;
}

std::string CommandBeforePlaceholder(const std::string& command) {
    std::size_t cut = command.size();
    for (std::size_t i = 0; i + 1 < command.size(); ++i) {
        if (command[i] != '%')
            continue;
        if (command[i + 1] == '%') {
            ++i; // an escaped percent sign
            continue;
        }
        if (std::string_view("sUuFf").find(command[i + 1]) != std::string_view::npos) {
            const bool quoted =
                i > 0 && command[i - 1] == '"' && i + 2 < command.size() && command[i + 2] == '"';
            cut = quoted ? i - 1 : i;
            break;
        }
    }
    while (cut > 0 && (command[cut - 1] == ' ' || command[cut - 1] == '\t'))
        --cut;
    return command.substr(0, cut);
}
