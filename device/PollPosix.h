#pragma once

/// Waits at most timeoutSeconds (negative counts as 0) for one of `events` (POLLIN, POLLOUT) on
/// the descriptor fd. Returns the events that happened, 0 after the time-out or on failure.
short PollDescriptor(int fd, short events, double timeoutSeconds);
