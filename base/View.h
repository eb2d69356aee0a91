#pragma once

/// A window that shows the model. `Update` is called after every change while notification is on.
class View {
public:
    virtual ~View() = default;
    virtual void Update() = 0;
};
