// Parameters that take one value of a list: all of their behaviour. EwEnumInt and EwEnumChar
// only name the profile types that give one. The list holds the plain values in profile
// order; an optional code list, index-aligned with it, holds the form the scanner uses for
// each value. Value, default and comparison value are kept in plain form.
//
//   values ("Off", "On"), codes ("0", "1"), length 2:
//   set_value("1", 1) stores "On"; value(1) gives "01"; value(0) gives "On".
#pragma once

#include "EwType.h"

class EwEnumType : public EwType {
public:
    // Deletes the value and code lists.
    ~EwEnumType() override;

    // 1 when candidate is one of the values (same length and text), else 0; 0 without a list.
    int IsValid(const GwString& candidate) const override;
    // Form 1 with a code list: the code of the value, filled on the left with "0" to the
    // length; a value that is not in the list comes back unchanged (not filled). Otherwise the
    // plain value. Starts as "0".
    GwString value(int form) const override;
    // As value, for the comparison value (starts empty); a comparison value that is not in
    // the list is filled with "0" to the length.
    GwString prf_value(int form) const override;
    // Form 1 with a code list: a code is first turned into its value. The result is stored
    // when it is one of the values: 1; otherwise 0 and nothing changes.
    int set_value(const GwString& v, int form) override;
    int set_prf_value(const GwString& v, int form) override;
    // When v is one of the values, default and value become v: 1. Otherwise 0, no change.
    int set_default(const GwString& v) override;
    GwString note() const override { return common_note(); }
    void set_note(const GwString& note) override { common_set_note(note); }
    // which 1: the code list (null when the profile maps nothing); any other: the value list.
    DynGwStringPtrArray* range(int which) const override;
    // Always empty: a list has no bounds.
    GwString bounds() const override { return GwString(); }
    // values := list, codes := mapping; both are owned from now on and lists held before are
    // deleted. Handed the same list twice, the codes become a copy of it, so nothing is
    // deleted twice.
    void set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) override;
    // No effect.
    void set_bounds(const GwString& low, const GwString& high) override;
    int differs() const override { return common_differs(); }
    GwString diff_text(int flag) const override { return common_diff_text(flag); }

protected:
    // Only the named profile types make one.
    EwEnumType(const GwString& name, const GwString& type);

private:
    // The form of a stored plain value. Form 1 with a code list: the code of the value,
    // filled on the left with "0" to the length; a value that is not in the list (or has no
    // code) comes back unchanged, or filled to the length when fill_unlisted is set. Any
    // other form, or no code list: the stored value unchanged.
    GwString coded(const GwString& plain, int form, bool fill_unlisted) const;
    // Decodes v (form 1 with a code list: a code is turned into its value; a text that is not
    // a code is taken as it is) and stores the result in target when it is a valid value.
    // 1 when stored, 0 when rejected (target unchanged).
    int decode_into(const GwString& v, int form, GwString& target) const;

    DynGwStringPtrArray* m_pValues = nullptr;
    DynGwStringPtrArray* m_pCodes = nullptr;
    GwString m_sValue = "0";
    GwString m_sDefault = "0";
    GwString m_sPrfValue;
};
