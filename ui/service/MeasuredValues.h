#pragma once

#include <array>

class QLabel;
class ServiceWindow;
class cNivolantis;

/// The frame "Messwert" of page 6: "Lesen" asks the device for the output current, the scaled
/// measured value and the A/D converter value.
class MeasuredValues {
public:
    MeasuredValues(ServiceWindow& window, cNivolantis& app);

private:
    void Read();

    ServiceWindow& m_window;
    cNivolantis& m_app;
    std::array<QLabel*, 3> m_values{}; ///< lblMesswert_0 … _2
};
