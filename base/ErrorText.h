#pragma once

#include <string>

/// A German description of an operating-system error number, for messages to the user.
std::string ErrorText(int errorNumber);
