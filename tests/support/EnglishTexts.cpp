#include "support/EnglishTexts.h"

#include <gtest/gtest.h>

EnglishTexts::EnglishTexts() : m_texts(Language::English, NIVO_TRANSLATIONS) {
    EXPECT_TRUE(m_texts.Complete()) << "no English texts in " NIVO_TRANSLATIONS;
}
