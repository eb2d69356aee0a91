#include "model/cParameter.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "model/CatalogueText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
std::string InputErrorTitle() {
    return Tr("cParameter", "Eingabefehler");
}
} // namespace

void cParameter::setParName(const std::string& name) {
    m_parName = name;
    Notify();
}

bool cParameter::setValue(double value) {
    bool taken = false;
    if (auto single = ToSingle(value)) {
        if (TestData(*single)) {
            ShowMessage(OutOfRangeText(*single), MsgIcon::Information, InputErrorTitle());
        } else {
            m_value = *single;
            taken = true;
        }
    } else {
        RefuseNotNumeric(NumberToText(value));
    }
    Notify();
    return taken;
}

bool cParameter::setValue(const std::string& text) {
    auto number = TextToNumber(text);
    if (!number || !ToSingle(*number)) {
        RefuseNotNumeric(text);
        Notify();
        return false;
    }
    return setValue(*number);
}

std::string cParameter::OutOfRangeText(float value) const {
    return TrArgs(Tr("cParameter", "%1 '%2' ausserhalb %3..%4"),
                  {CatalogueText::Caption(m_parName), NumberToText(value),
                   NumberToText(m_lowerLimit), NumberToText(m_upperLimit)});
}

void cParameter::RefuseNotNumeric(const std::string& given) {
    ShowMessage(TrArgs(Tr("cParameter", "%1 '%2' nicht numerisch."),
                       {CatalogueText::Caption(m_parName), given}),
                MsgIcon::Information, InputErrorTitle());
}

void cParameter::setLowerLimit(float limit) {
    m_lowerLimit = limit;
    if (m_value < limit)
        m_value = limit;
    Notify();
}

void cParameter::setUpperLimit(float limit) {
    m_upperLimit = limit;
    if (m_value > limit)
        m_value = limit;
    Notify();
}

std::int16_t cParameter::AddDescription(const std::string& text, const std::string& key) {
    for (const auto& entry : m_descriptions)
        if (entry.first == key)
            throw std::invalid_argument("Schlüssel '" + key + "' ist bereits vorhanden.");
    m_descriptions.emplace_back(key, text);
    return 0;
}

std::string cParameter::Description(const std::string& key) const {
    for (const auto& entry : m_descriptions)
        if (entry.first == key)
            return entry.second;
    return "";
}

void cParameter::SetDefault() {
    m_value = static_cast<float>(m_defaultValue);
}

bool cParameter::DiffersFromDefault() const {
    if (m_factor <= 0)
        return m_value != static_cast<float>(m_defaultValue);
    return std::llround(static_cast<double>(m_value) * m_factor) !=
           std::llround(m_defaultValue * m_factor);
}

void cParameter::Notify() {
    NotifyOwner(m_owner);
}

bool cParameter::TestData(double value) const {
    return m_enableTestData && Outside(value);
}

std::string cParameter::ValueFinding() const {
    return TestData(m_value) ? OutOfRangeText(m_value) : "";
}

bool cParameter::OutsideLimits() const {
    return Outside(m_value);
}

bool cParameter::Outside(double value) const {
    const float lo = std::min(m_lowerLimit, m_upperLimit);
    const float hi = std::max(m_lowerLimit, m_upperLimit);
    return value < lo || value > hi;
}
