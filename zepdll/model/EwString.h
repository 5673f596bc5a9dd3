// Text parameters (profile types STRING and NULSTRING): every text is accepted and the form
// flag has no effect.
#pragma once

#include "EwType.h"

class EwString : public EwType {
public:
    EwString(const GwString& name, const GwString& type);
    // Deletes the exclude list.
    ~EwString() override;

    // Always 1 (the exclude list is kept for callers but not checked).
    int IsValid(const GwString& candidate) const override;
    GwString note() const override { return common_note(); }
    void set_note(const GwString& note) override { common_set_note(note); }
    // The value, whatever the form (starts empty).
    GwString value(int form) const override;
    GwString prf_value(int form) const override;
    // Store v: always 1.
    int set_value(const GwString& v, int form) override;
    int set_prf_value(const GwString& v, int form) override;
    // Default and value become v: 1.
    int set_default(const GwString& v) override;
    // The exclude list, whatever which is.
    DynGwStringPtrArray* range(int which) const override;
    // Always empty.
    GwString bounds() const override { return GwString(); }
    // excludes := list (owned; a list held before is deleted); mapping is deleted at once.
    void set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) override;
    // No effect.
    void set_bounds(const GwString& low, const GwString& high) override;
    int differs() const override { return common_differs(); }
    GwString diff_text(int flag) const override { return common_diff_text(flag); }

private:
    GwString m_sValue;
    GwString m_sDefault;
    GwString m_sPrfValue;
    DynGwStringPtrArray* m_pExcludes = nullptr;
};
