#include "platform/qt/ResourceLibrary.h"

#include "platform/qt/ResourceScript.h"

#include <algorithm>

#include <QFile>

// The resource file is compiled into a static library: naming its initialiser here makes the
// linker keep it.
static void InitEmbeddedResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(talvorin);
        return true;
    }();
    (void)done;
}

namespace {

const QString kRoot = QStringLiteral(":/talvorin/");

bool ReadEmbedded(const QString& path, std::string& text) {
    InitEmbeddedResources();
    QFile file(kRoot + path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    text = file.readAll().toStdString();
    return true;
}

// A script of one folder that must hold the resource with that id.
template <class Resource>
bool LoadOne(const char* folder, int id, std::vector<Resource> ResourceScript::*list,
             Resource& resource, ResourceError& error) {
    ResourceScript script;
    if (!LoadResourceScript(QStringLiteral("%1/%2.rc").arg(folder).arg(id), script, error)) {
        return false;
    }
    const auto& found = script.*list;
    const auto it =
        std::find_if(found.begin(), found.end(), [id](const Resource& r) { return r.id == id; });
    if (it == found.end()) {
        error.line = 0;
        error.message = "resource " + std::to_string(id) + " is not defined there";
        return false;
    }
    resource = *it;
    return true;
}

const std::vector<PictureEntry>& PictureTable() {
    static const std::vector<PictureEntry> table = [] {
        ResourceScript script;
        ResourceError error;
        LoadResourceScript(QStringLiteral("pictures/pictures.rc"), script, error);
        return script.pictures;
    }();
    return table;
}

QString PicturePath(int id, PictureKind kind) {
    for (const PictureEntry& entry : PictureTable()) {
        if (entry.id == id && entry.kind == kind) {
            return kRoot + QStringLiteral("pictures/") + QString::fromStdString(entry.file);
        }
    }
    return {};
}

} // namespace

bool LoadResourceScript(const QString& path, ResourceScript& script, ResourceError& error) {
    error = {path.toStdString(), 0, {}};
    std::string text;
    if (!ReadEmbedded(path, text)) {
        error.message = "no such resource script";
        return false;
    }
    return ParseResourceScript(
        text,
        [](const std::string& name, std::string& header) {
            return ReadEmbedded(QString::fromStdString(name), header);
        },
        script, error);
}

bool LoadDialogTemplate(int id, DialogTemplate& dialog, ResourceError& error) {
    return LoadOne("dialogs", id, &ResourceScript::dialogs, dialog, error);
}

bool LoadMenuTemplate(int id, MenuTemplate& menu, ResourceError& error) {
    return LoadOne("menus", id, &ResourceScript::menus, menu, error);
}

bool LoadAcceleratorTable(int id, AcceleratorTable& table, ResourceError& error) {
    return LoadOne("menus", id, &ResourceScript::acceleratorTables, table, error);
}

bool LoadToolBarTemplate(int id, ToolBarTemplate& toolBar, ResourceError& error) {
    return LoadOne("toolbars", id, &ResourceScript::toolBars, toolBar, error);
}

bool LoadStringTable(int id, std::map<int, std::string>& strings, ResourceError& error) {
    ResourceScript script;
    if (!LoadResourceScript(QStringLiteral("strings/%1.rc").arg(id), script, error)) {
        return false;
    }
    strings = std::move(script.strings);
    return true;
}

QPixmap LoadBitmapResource(int id) {
    const QString path = PicturePath(id, PictureKind::kBitmap);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QIcon LoadIconResource(int id) {
    const QString path = PicturePath(id, PictureKind::kIcon);
    return path.isEmpty() ? QIcon() : QIcon(path);
}
