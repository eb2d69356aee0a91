#pragma once

#include "base/Translation.h"
#include "model/Notifiable.h"
#include "model/cParameter.h"

#include <memory>
#include <string>

/// A begin/end pair of parameters describing an interval. Unless it is inverse, the
/// whole-model check refuses a begin above the end.
class cRange : public Notifiable {
public:
    cRange();

    const std::string& RangeName() const { return m_rangeName; }
    void setRangeName(const std::string& name) { m_rangeName = name; }
    bool Inverse() const { return m_inverse; }
    void setInverse(bool inverse) { m_inverse = inverse; }

    /// The unit of the begin parameter; setting it sets both.
    const std::string& Unit() const { return m_begin->Unit(); }
    void setUnit(const std::string& unit);

    bool EnableTestData() const { return m_enableTestData; }
    /// Passes the switch on to the begin, then the end parameter.
    void setEnableTestData(bool enable);

    cParameter& RangeBegin() const { return *m_begin; }
    cParameter& RangeEnd() const { return *m_end; }

    Notifiable* Owner() const { return m_owner; }
    void setOwner(Notifiable* owner) { m_owner = owner; }

    void Notify() override;
    /// True when a parameter is outside its limits, or (not inverse) begin > end; the latter
    /// shows the "Bereichsfehler" message.
    bool TestData();
    /// "Begin > End." when testing is on, the range is not inverse and its begin lies above its
    /// end; "" otherwise. No message.
    std::string OrderFinding() const;
    /// What the "Bereichsfehler" message asks of the user after naming the range, and its
    /// title (shown through Tr("cRange", …)).
    static constexpr const char* kOrderRequest =
        TrNoop("cRange", "Bitte den Anfangs- oder den Endwert korrigieren.");
    static constexpr const char* kRangeErrorTitle = TrNoop("cRange", "Bereichsfehler");

    /// Sets the begin value through its setter, unless the entry equals the current value
    /// (then nothing happens and nobody is notified). Texts are compared as the numbers they read
    /// as. False when the parameter refused the entry.
    bool SetRangeBegin(double value) { return SetIfDiffers(*m_begin, value); }
    bool SetRangeBegin(const std::string& text) { return SetIfDiffers(*m_begin, text); }
    bool SetRangeEnd(double value) { return SetIfDiffers(*m_end, value); }
    bool SetRangeEnd(const std::string& text) { return SetIfDiffers(*m_end, text); }
    float GetRangeBegin() const { return m_begin->Value(); }
    float GetRangeEnd() const { return m_end->Value(); }

private:
    static bool SetIfDiffers(cParameter& parameter, double value);
    static bool SetIfDiffers(cParameter& parameter, const std::string& text);

    std::string m_rangeName;
    std::unique_ptr<cParameter> m_begin;
    std::unique_ptr<cParameter> m_end;
    bool m_inverse = false;
    bool m_enableTestData = false;
    Notifiable* m_owner = nullptr;
};
