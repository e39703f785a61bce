#pragma once

#include <string>

#include <QWidget>

// A vertical rain bar from 0. When the value passes the owner's full scale, the scale grows in
// steps of the owner's divisions and then jumps to a round number of them. User-interface
// thread only.
class CRainLevel : public QWidget {
    Q_OBJECT

public:
    explicit CRainLevel(QWidget* parent = nullptr);

    // Sets the owner's full scale and the value; does nothing when both equal what is shown.
    void SetRange(float max, int divisions, float value);
    // As SetRange, with the value as a station text; "---" or an empty text hides the bar.
    void SetValueText(float max, int divisions, const std::string& value);
    void SetValue(float value);

    float Max() const { return m_max; }
    int Divisions() const { return m_divisions; }
    bool HasValue() const { return m_hasValue; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_hasValue = false;
    float m_baseMax = 20.0f;
    int m_baseDivisions = 4;
    int m_divisions = 4;
    float m_max = 20.0f;
    float m_value = 10.0f;
};
