#include "GwLanguage.h"

namespace {
int g_language = 1; // the toolkit starts in English
}

int GwLanguage::number() {
    return g_language;
}

void GwLanguage::set_number(int language) {
    g_language = language;
}
