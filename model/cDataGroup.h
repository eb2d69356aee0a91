#pragma once

#include "model/KeyedCollection.h"
#include "model/Notifiable.h"
#include "model/cParameter.h"
#include "model/cRange.h"

#include <string>

/// A named group of ranges and parameters, each kept in creation order.
class cDataGroup : public Notifiable {
public:
    const std::string& GroupName() const { return m_groupName; }
    void setGroupName(const std::string& name) { m_groupName = name; }

    const KeyedCollection<cParameter>& Parameters() const { return m_parameters; }
    cParameter& Parameters(const std::string& name) const { return m_parameters(name); }
    const KeyedCollection<cRange>& Ranges() const { return m_ranges; }
    cRange& Ranges(const std::string& name) const { return m_ranges(name); }

    bool EnableTestData() const { return m_enableTestData; }
    /// Passes the switch on to every range, then every parameter.
    void setEnableTestData(bool enable);

    Notifiable* Owner() const { return m_owner; }
    void setOwner(Notifiable* owner) { m_owner = owner; }

    void Notify() override;

    /// Builds and registers a parameter: limits, name, value (untested) and default, place,
    /// then owner and testing on. Address and size are rounded half to even.
    cParameter& AddParameter(const std::string& name, double upper, double lower, double value,
                             double adress, double size, double factor);

    /// The six creation values of one parameter of a range, upper limit first.
    struct Creation {
        double upper, lower, value, adress, size, factor;
    };
    /// Builds and registers a range with its ".Anfang" and ".Ende" parameters.
    cRange& AddRange(const std::string& name, bool inverse, const Creation& begin,
                     const Creation& end);

private:
    static void Build(cParameter& parameter, const Creation& values);

    std::string m_groupName;
    KeyedCollection<cParameter> m_parameters;
    KeyedCollection<cRange> m_ranges;
    bool m_enableTestData = false;
    Notifiable* m_owner = nullptr;
};
