#pragma once

#include "app/cNivolantis.h"
#include "support/CoreTest.h"

#include <memory>
#include <vector>

/// Core test with an application object built from a fresh settings file.
class ModelTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        app = std::make_unique<cNivolantis>(WriteSettings());
    }
    void TearDown() override {
        app.reset();
        CoreTest::TearDown();
    }

    cParameter& P(const std::string& group, const std::string& name) {
        return app->Data(group).Parameters(name);
    }
    cRange& R(const std::string& group, const std::string& name) {
        return app->Data(group).Ranges(name);
    }

    std::vector<cParameter*> WalkOrder() const {
        std::vector<cParameter*> order;
        app->ForEachParameter([&](cDataGroup&, cParameter& p) { order.push_back(&p); });
        return order;
    }

    std::unique_ptr<cNivolantis> app;
};
