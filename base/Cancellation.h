#pragma once

/// The user's request to stop a long device operation. The operation looks at it between two
/// exchanges, where stopping leaves nothing half done; the request itself arrives from a window
/// event that runs during the exchanges' waits.
class Cancellation {
public:
    void Request() { m_requested = true; }
    bool Requested() const { return m_requested; }
    /// Called when a cancellable operation starts, so an old request does not stop it.
    void Clear() { m_requested = false; }

private:
    bool m_requested = false;
};
