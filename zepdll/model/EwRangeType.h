// Parameters whose values lie between a low and a high bound, minus a list of excluded values
// (the base of EwRangeInt and EwRangeChar).
#pragma once

#include "EwType.h"

class EwRangeType : public EwType {
public:
    EwRangeType() = default;
    explicit EwRangeType(const GwString& name);
    EwRangeType(const GwString& name, const GwString& type);
    // Deletes the exclude list.
    ~EwRangeType() override;

    GwString note() const override { return common_note(); }
    void set_note(const GwString& note) override { common_set_note(note); }
    // The exclude list, whatever which is (null when none was given).
    DynGwStringPtrArray* range(int which) const override;
    // low + "," + high as stored ("0,255").
    GwString bounds() const override;
    // excludes := list (owned; a list held before is deleted). A range has no use for a code
    // list: mapping is deleted at once (unless it is the same list).
    void set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) override;
    // Stores both texts as they are; they are read anew on every check.
    void set_bounds(const GwString& low, const GwString& high) override;
    int differs() const override { return common_differs(); }
    GwString diff_text(int flag) const override { return common_diff_text(flag); }

protected:
    // 1 when text is one of the excluded values.
    int is_excluded(const GwString& text) const;

    DynGwStringPtrArray* m_pExcludes = nullptr;
    GwString m_sLow;
    GwString m_sHigh;
};
