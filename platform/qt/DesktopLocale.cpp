#include "platform/qt/DesktopLocale.h"

#include <clocale>
#include <iterator>
#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's catalogue of each language, English first: English needs none.
const char* const kQtCatalogues[] = {nullptr, "qtbase_de", "qtbase_da"};

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

void KeepNumbersWithAPoint() {
    std::setlocale(LC_NUMERIC, "C");
}

bool UseQtTextsIn(int lang) {
    if (Installed()) {
        QCoreApplication::removeTranslator(Installed().get());
        Installed().reset();
    }
    if (lang < 0 || lang >= static_cast<int>(std::size(kQtCatalogues)) || !kQtCatalogues[lang])
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(kQtCatalogues[lang]),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Installed() = std::move(translator);
    return true;
}
