#include "cli/TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

TerminalProgress::TerminalProgress() : m_terminal(isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::UpdateProgress(int percent) {
    if (!m_terminal || percent == m_shown)
        return;
    m_shown = percent;
    if (percent == 0)
        std::fputs("\r       \r", stderr);
    else
        std::fprintf(stderr, "\r%3d %%", percent);
    std::fflush(stderr);
}
