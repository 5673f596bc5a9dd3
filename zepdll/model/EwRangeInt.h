// Integer parameters (profile type INT): a 32-bit value between two bounds, minus excluded
// values. The coded form is the decimal number filled on the left with "0" to the length.
//
//   low "1", high "10", excludes ("5"), length 3:
//   "5" is rejected, "7" gives value(1) "007", "11" and "0" are rejected.
#pragma once

#include "EwRangeType.h"

class EwRangeInt : public EwRangeType {
public:
    EwRangeInt(const GwString& name, const GwString& type);

    // 0 when candidate is an excluded text, or its number is an excluded number ("05" when
    // "5" is excluded); otherwise 1 exactly when its leading decimal number (as GwAtol reads
    // it, 0 for other text) lies between the numbers of low and high, both included.
    int IsValid(const GwString& candidate) const override;
    // Form 1: decimal filled on the left with "0" to the length, behind the sign of a
    // negative number ("-05", so that reading it back gives -5 again); otherwise decimal.
    GwString value(int form) const override;
    GwString prf_value(int form) const override;
    // The form is ignored: a valid v is stored as its number (1), else 0 and no change.
    int set_value(const GwString& v, int form) override;
    int set_prf_value(const GwString& v, int form) override;
    // When v is valid, default and value become its number: 1; else 0, no change.
    int set_default(const GwString& v) override;

private:
    GwString format(int number, int form) const;

    int m_iValue = 0;
    int m_iDefault = 0;
    int m_iPrfValue = 0;
};
