#include "platform/qt/ComboSearch.h"

#include <functional>

#include <QComboBox>
#include <QSignalBlocker>

namespace {

int Search(const QComboBox& combo, int startAfter,
           const std::function<bool(const QString& item)>& matches) {
    const int count = combo.count();
    const int first = startAfter >= -1 && startAfter < count ? startAfter + 1 : 0;
    for (int i = 0; i < count; ++i) {
        const int index = (first + i) % count;
        if (matches(combo.itemText(index)))
            return index;
    }
    return -1;
}

} // namespace

int FindStringExact(const QComboBox& combo, int startAfter, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    return Search(combo, startAfter, [&](const QString& item) {
        return item.compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

int FindString(const QComboBox& combo, int startAfter, const std::string& text) {
    const QString prefix = QString::fromStdString(text);
    return Search(combo, startAfter, [&](const QString& item) {
        return item.startsWith(prefix, Qt::CaseInsensitive);
    });
}

int SelectString(QComboBox& combo, int startAfter, const std::string& text) {
    const int index = FindString(combo, startAfter, text);
    if (index >= 0) {
        const QSignalBlocker quiet(combo);
        combo.setCurrentIndex(index);
    }
    return index;
}
