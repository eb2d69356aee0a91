#pragma once

#include <array>

class QLabel;
class frmMain;

/// The frame "Messwert" of page 6: "Lesen" asks the device for the output current, the scaled
/// measured value and the A/D converter value.
class MeasuredValues {
public:
    explicit MeasuredValues(frmMain& window);

private:
    void Read();

    frmMain& m_window;
    std::array<QLabel*, 3> m_values{}; ///< lblMesswert_0 … _2
};
