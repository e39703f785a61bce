#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

class QUrl;

// Results of an open request. Above 32 is success; the failures keep the classic numbering,
// by which the failure texts of the hyperlink are chosen.
enum ShellOpenCode : int {
    kShellErrFileNotFound = 2,
    kShellErrAccessDenied = 5,
    kShellErrBadFormat = 11,
    kShellErrNoAssociation = 31,
    kShellOpenOk = 33,
};

// Opens an address (a web address, or a file) the way the desktop would: with the desktop's
// handler, or failing that with the registered web browser, started directly (no shell) with
// the address as its one last argument. Returns a ShellOpenCode. User-interface thread only.
int ShellOpen(const std::string& address);

// What ShellOpen asks of the desktop. Tests put fakes in place of these.
struct ShellServices {
    // Hands the address to the desktop's handler; false when none took it.
    std::function<bool(const QUrl& url)> openWithDesktop;
    // The registered browser's command line, empty when there is none.
    std::function<std::string()> browserCommand;
    // Starts a program with its arguments and does not wait; returns a ShellOpenCode.
    std::function<int(const QString& program, const QStringList& arguments)> startDetached;
};

// The real desktop.
ShellServices DesktopShellServices();
// Puts services in place; a member left empty is the real desktop's.
void SetShellServices(ShellServices services);
