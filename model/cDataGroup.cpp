#include "model/cDataGroup.h"

#include "base/IntegerConversion.h"
#include "base/Translation.h"

void cDataGroup::setEnableTestData(bool enable) {
    m_enableTestData = enable;
    for (cRange& range : m_ranges)
        range.setEnableTestData(enable);
    for (cParameter& parameter : m_parameters)
        parameter.setEnableTestData(enable);
}

void cDataGroup::Notify() {
    NotifyOwner(m_owner);
}

void cDataGroup::Build(cParameter& parameter, const Creation& values) {
    parameter.setLowerLimit(static_cast<float>(values.lower));
    parameter.setUpperLimit(static_cast<float>(values.upper));
    parameter.setValue(values.value);
    parameter.setDefaultValue(values.value);
    parameter.setAdress(ToInt16(values.adress));
    parameter.setSize(ToInt16(values.size));
    parameter.setFactor(static_cast<float>(values.factor));
}

cParameter& cDataGroup::AddParameter(const std::string& name, double upper, double lower,
                                     double value, double adress, double size, double factor) {
    auto parameter = std::make_unique<cParameter>();
    parameter->setLowerLimit(static_cast<float>(lower));
    parameter->setParName(name);
    Build(*parameter, {upper, lower, value, adress, size, factor});
    parameter->setOwner(this);
    parameter->setEnableTestData(true);
    return m_parameters.Add(name, std::move(parameter));
}

cRange& cDataGroup::AddRange(const std::string& name, bool inverse, const Creation& begin,
                             const Creation& end) {
    auto range = std::make_unique<cRange>();
    range->setEnableTestData(false);
    range->setRangeName(name);
    range->setInverse(inverse);
    for (auto [parameter, values, pattern] :
         {std::tuple{&range->RangeBegin(), begin, TrNoop("Catalogue", "%1.Anfang")},
          {&range->RangeEnd(), end, TrNoop("Catalogue", "%1.Ende")}}) {
        parameter->setParName(TrArgs(pattern, {name}));
        Build(*parameter, values);
        parameter->setEnableTestData(true);
        parameter->setOwner(range.get());
    }
    range->setOwner(this);
    range->setEnableTestData(true);
    return m_ranges.Add(name, std::move(range));
}
