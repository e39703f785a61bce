#pragma once

#include <string>

#include <QWidget>

// A vertical thermometer. Its scale widens by whole divisions of the owner's range until the
// value fits, and returns to that range when the value comes back inside it. User-interface
// thread only.
class CTempLevel : public QWidget {
    Q_OBJECT

public:
    explicit CTempLevel(QWidget* parent = nullptr);

    // Sets the owner's range and the value; does nothing when both equal what is shown.
    void SetRange(float min, float max, int divisions, float value);
    // As SetRange, with the value as a station text; "---" or an empty text hides the column.
    void SetValueText(float min, float max, int divisions, const std::string& value);
    void SetValue(float value);

    float Min() const { return m_min; }
    float Max() const { return m_max; }
    int Divisions() const { return m_divisions; }
    bool HasValue() const { return m_hasValue; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_hasValue = false;
    float m_baseMin = 20.0f;
    float m_baseMax = 120.0f;
    int m_baseDivisions = 5;
    float m_min = 20.0f;
    float m_max = 120.0f;
    int m_divisions = 5;
    float m_value = 25.0f;
};
