#include "app/FormBackground.h"

#include <QPixmap>
#include <QString>

QBrush FormBackgroundBrush(const std::string& pictureFile) {
    QPixmap picture;
    if (picture.load(QString::fromStdString(pictureFile)) && !picture.isNull())
        return QBrush(picture);
    return QBrush(kPlainFormColour);
}
