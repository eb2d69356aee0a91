#include "model/cRange.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "model/CatalogueText.h"

cRange::cRange() : m_begin(std::make_unique<cParameter>()), m_end(std::make_unique<cParameter>()) {}

void cRange::setUnit(const std::string& unit) {
    m_end->setUnit(unit);
    m_begin->setUnit(unit);
}

void cRange::setEnableTestData(bool enable) {
    m_enableTestData = enable;
    m_begin->setEnableTestData(enable);
    m_end->setEnableTestData(enable);
}

void cRange::Notify() {
    NotifyOwner(m_owner);
}

bool cRange::TestData() {
    if (!m_enableTestData)
        return false;
    bool failed = m_begin->TestData(m_begin->Value()) || m_end->TestData(m_end->Value());
    const std::string order = OrderFinding();
    if (!order.empty()) {
        ShowMessage(order + "\r\n" + Tr("cRange", kOrderRequest), MsgIcon::Critical,
                    Tr("cRange", kRangeErrorTitle));
        failed = true;
    }
    return failed;
}

std::string cRange::OrderFinding() const {
    if (!m_enableTestData || m_inverse || m_begin->Value() <= m_end->Value())
        return "";
    return TrArgs(Tr("cRange", "%1 > %2."), {CatalogueText::Caption(m_begin->ParName()),
                                             CatalogueText::Caption(m_end->ParName())});
}

bool cRange::SetIfDiffers(cParameter& parameter, double value) {
    return static_cast<double>(parameter.Value()) == value || parameter.setValue(value);
}

bool cRange::SetIfDiffers(cParameter& parameter, const std::string& text) {
    auto number = TextToNumber(text);
    auto single = number ? ToSingle(*number) : std::nullopt;
    return (single && *single == parameter.Value()) || parameter.setValue(text);
}
