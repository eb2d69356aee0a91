#pragma once

#include "model/Notifiable.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

/// One device setting: a single-precision value with name, limits, unit, optional choice texts,
/// and the EEPROM place (address, byte count, scale factor) where the device keeps it.
/// Every accepted or refused entry is reported to the owner.
class cParameter {
public:
    const std::string& ParName() const { return m_parName; }
    void setParName(const std::string& name);

    float Value() const { return m_value; }
    /// Takes a number after the range test; a refused one keeps the old value and shows
    /// "… ausserhalb lo..hi" (a choice by its number, as the device keeps it) or, beyond the single
    /// range, "… nicht numerisch.". Always notifies. True when the value was taken.
    bool setValue(double value);
    /// Reads the text with the regional settings first; non-numeric text shows "… nicht
    /// numerisch.".
    bool setValue(const std::string& text);

    double DefaultValue() const { return m_defaultValue; }
    void setDefaultValue(double value) { m_defaultValue = value; }
    /// True when the value lies on another of the device's steps (1 / Factor) than the factory
    /// default: 0.1 and 0.10000001 are the same setting in the device. Without a factor the
    /// values themselves are compared.
    bool DiffersFromDefault() const;

    float LowerLimit() const { return m_lowerLimit; }
    /// Stores the limit, pulls a lower value up onto it, and notifies.
    void setLowerLimit(float limit);
    float UpperLimit() const { return m_upperLimit; }
    /// Stores the limit, pulls a higher value down onto it, and notifies.
    void setUpperLimit(float limit);

    std::int16_t Adress() const { return m_adress; }
    void setAdress(std::int16_t adress) { m_adress = adress; }
    std::int16_t Size() const { return m_size; }
    void setSize(std::int16_t size) { m_size = size; }
    float Factor() const { return m_factor; }
    void setFactor(float factor) { m_factor = factor; }
    const std::string& Unit() const { return m_unit; }
    void setUnit(const std::string& unit) { m_unit = unit; }

    bool EnableTestData() const { return m_enableTestData; }
    void setEnableTestData(bool enable) { m_enableTestData = enable; }

    Notifiable* Owner() const { return m_owner; }
    void setOwner(Notifiable* owner) { m_owner = owner; }

    /// Adds a choice text under a key ("0", "1", …); a key given twice throws
    /// std::invalid_argument.
    std::int16_t AddDescription(const std::string& text, const std::string& key);
    /// The choice text under the key; "" when there is none.
    std::string Description(const std::string& key) const;
    std::int16_t DescriptionCount() const {
        return static_cast<std::int16_t>(m_descriptions.size());
    }

    /// Value ← default, without test and without notification.
    void SetDefault();
    /// Passes a change on to the owner; no owner, or a failing one, is ignored.
    void Notify();
    /// True when testing is on and the value lies outside the limits (in either order).
    bool TestData(double value) const;
    /// The refusal that entering the current value would show, when testing is on and the value
    /// lies outside the limits; "" otherwise.
    std::string ValueFinding() const;
    /// True when the current value lies outside the limits, whatever the testing switch says.
    bool OutsideLimits() const;

private:
    bool Outside(double value) const;
    std::string OutOfRangeText(float value) const;
    void RefuseNotNumeric(const std::string& given);

    std::string m_parName;
    float m_value = 0;
    double m_defaultValue = 0;
    float m_lowerLimit = 0;
    float m_upperLimit = 0;
    std::int16_t m_adress = 0;
    std::int16_t m_size = 0;
    float m_factor = 0;
    std::string m_unit;
    bool m_enableTestData = false;
    Notifiable* m_owner = nullptr;
    std::vector<std::pair<std::string, std::string>> m_descriptions;
};
