#pragma once

#include "platform/ProgramTexts.h"

/// The programs' English texts, as built into the translations folder, while the object lives;
/// the test fails when they are missing.
class EnglishTexts {
public:
    EnglishTexts();

private:
    ProgramTexts m_texts;
};
