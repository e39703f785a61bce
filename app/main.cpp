#include "app/KR5160.h"
#include "store/SystemUtils.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CKR5160App app(GetModuleDir());
    if (!app.InitInstance())
        return app.ExitInstance(0);
    return app.ExitInstance(QApplication::exec());
}
