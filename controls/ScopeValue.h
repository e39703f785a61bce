#pragma once

#include <QLabel>

// A minimum or maximum text of the main form. It shows station texts as they are: never as
// markup, whatever characters they hold.
class CScopeValue : public QLabel {
    Q_OBJECT

public:
    explicit CScopeValue(QWidget* parent = nullptr);
};
