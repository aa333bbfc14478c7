#pragma once

namespace lumivane {

/// Shows the gauge's value and maximum after each change.
class GaugeDisplay {
public:
    virtual ~GaugeDisplay() = default;
    virtual void showGauge(int value, int maximum) = 0;
};

/// The progress gauge: its value always stays inside 0..maximum, clamped at
/// each assignment against the range in force at that moment.
class ProgressGauge {
public:
    explicit ProgressGauge(GaugeDisplay* display = nullptr)
        : m_display(display)
    {
    }

    int value() const { return m_value; }
    int maximum() const { return m_maximum; }

    void setValue(int value);
    /// Lowering the maximum below the value lowers the value with it.
    void setMaximum(int maximum);

private:
    void show();

    GaugeDisplay* m_display;
    int m_value = 0;
    int m_maximum = 100;
};

} // namespace lumivane
