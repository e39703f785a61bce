#pragma once

#include <string>

#include <QWidget>

// A horizontal bar of Beaufort levels 0 to 12. User-interface thread only.
class CWindLevel : public QWidget {
    Q_OBJECT

public:
    explicit CWindLevel(QWidget* parent = nullptr);

    // A level outside 0..12 is ignored.
    void SetLevel(int level);
    // "---" or an empty text is level 0.
    void SetLevel(const std::string& level);

    int Level() const { return m_level; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_level = 5;
};
