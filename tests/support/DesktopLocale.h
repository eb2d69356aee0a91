#pragma once

/// Fails unless the test runs on the desktop that LC_ALL names ("de_DE.UTF-8": a German one).
/// On Linux QApplication sets the C library's locale from LC_ALL: under "C" no decimal comma
/// reaches it, and text that depends on it passes unseen. Windows takes the regional settings
/// from the user's locale (wine: from the environment), and the C library gets the matching
/// German_Germany.1252 here, so that nothing may follow the C locale unseen there either.
void AssertDesktopLocale();
