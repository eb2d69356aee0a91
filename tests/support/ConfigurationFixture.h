#pragma once

#include "model/Configuration.h"
#include "model/Notifiable.h"
#include "support/CoreTest.h"

#include <memory>
#include <string>
#include <vector>

/// Core test with a configuration of its own: no settings file, no serial channel.
class ConfigurationFixture : public CoreTest {
protected:
    /// Counts the changes the configuration passes on to its owner.
    struct CountingOwner : Notifiable {
        int count = 0;
        void Notify() override { ++count; }
    };

    void SetUp() override {
        CoreTest::SetUp();
        config = std::make_unique<Configuration>(std::vector<std::string>{"bar", "mbar", "m"});
    }
    void TearDown() override {
        config.reset();
        CoreTest::TearDown();
    }

    cParameter& P(const std::string& group, const std::string& name) {
        return config->Data(group).Parameters(name);
    }
    cRange& R(const std::string& group, const std::string& name) {
        return config->Data(group).Ranges(name);
    }

    std::unique_ptr<Configuration> config;
};
