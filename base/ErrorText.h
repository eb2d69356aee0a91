#pragma once

#include <string>

/// A description of an operating-system error number in the user's language, for messages to
/// the user (the system's own text for numbers without one of ours).
std::string ErrorText(int errorNumber);
