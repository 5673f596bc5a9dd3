#include "CInitMgr.h"

#include "CUtils.h"
#include "GwLanguage.h"

GwString CInitMgr::get_lang_str() {
    return CUtils::PadLeft(GwString(GwLanguage::number()), 3);
}
