// Sets the interface language for one test and restores the previous one when it ends.
#pragma once

#include "GwLanguage.h"

class LanguageGuard {
public:
    explicit LanguageGuard(int language) : m_saved(GwLanguage::number()) {
        GwLanguage::set_number(language);
    }
    ~LanguageGuard() { GwLanguage::set_number(m_saved); }
    LanguageGuard(const LanguageGuard&) = delete;
    LanguageGuard& operator=(const LanguageGuard&) = delete;

private:
    int m_saved;
};
