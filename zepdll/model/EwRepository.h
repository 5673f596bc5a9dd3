// The whole parameter set of one scanner type: a list of groups that it owns. Callers reach a
// parameter only by its name; the repository asks its groups in list order (which groups, and
// which answer counts, is stated per operation below). Built by CScanRepoBuilder.
//
// The changed flag records that the user or a load changed a value through set_value; it is
// 0 after construction and after ResetChanged.
#pragma once

#include "DynEwDataSetPtrArray.h"
#include "EwDataSet.h"

#include <ostream>

class EwRepository : public EwDataSet {
public:
    EwRepository();
    // Deletes every group (and so every parameter).
    ~EwRepository() override;

    // The repository's own parameter list (inherited; the system does not use it).
    using EwDataSet::add_item;

    // 1 as soon as a group answers exactly 1; else 0.
    int IsActive(const GwString& name) const override;
    int IsVisible(const GwString& name) const override;
    int IsEnabled(const GwString& name) const override;
    // The first non-empty answer of a group; else empty.
    GwString type(const GwString& name) const override;
    GwString length(const GwString& name) const override;
    // Asks only the groups whose name is a prefix of name; the first non-empty answer. With
    // groups "Code" and "Code2", "Code2Len" is asked of Code (empty) and then of Code2.
    GwString value(const GwString& name, int form) const override;
    // Asks every group; the first non-empty answer.
    GwString prf_value(const GwString& name, int form) const override;
    // The first non-null answer (the parameter keeps the list); else null.
    DynGwStringPtrArray* range(const GwString& name, int which) const override;
    // 1 as soon as a group answers 1; else 0.
    int IsValid(const GwString& name, const GwString& candidate) const override;
    // These pass the call to each group in turn until one answers non-zero: then 1, else 0.
    // None of them touches the changed flag. set_range: when no group takes the lists they
    // still belong to the caller.
    int set_active(const GwString& name, const int& flag) override;
    int set_visible(const GwString& name, const int& flag) override;
    int set_enabled(const GwString& name, const int& flag) override;
    int set_length(const GwString& name, const GwString& length) override;
    int set_prf_value(const GwString& name, const GwString& v, int form) override;
    int set_default(const GwString& name, const GwString& v) override;
    int set_range(const GwString& name, DynGwStringPtrArray*& list,
                  DynGwStringPtrArray* mapping) override;
    int set_bounds(const GwString& name, const GwString& low, const GwString& high) override;
    // For each group whose name is a prefix of name, in order: when the group's value(name,
    // form) differs from v the changed flag is set (before the attempt, so a rejected value
    // still marks the set as changed); then the group's set_value is tried and its first
    // success gives 1. Else 0.
    int set_value(const GwString& name, const GwString& v, int form) override;
    // The answer of the first group whose name is a prefix of name, even when it is empty;
    // empty when no group name is a prefix.
    GwString bounds(const GwString& name) const override;
    // A new list (the caller owns it) with the group names in order.
    DynGwStringPtrArray* list_of_names() const override;

    // Appends g, which the repository owns from now on: 1. Null, or a group already held:
    // not added, 0.
    int add_item(EwDataSet*& g);
    // The first group named group, or null; the repository keeps it.
    EwDataSet* item(const GwString& group) const;
    // That group's list_of_names() (a new list for the caller), or null without such group.
    DynGwStringPtrArray* list_of_param_names(const GwString& group) const;
    // Number of groups.
    int size() const { return m_coGroups.count(); }
    int HasChanged() const { return m_iChanged; }
    void ResetChanged() { m_iChanged = 0; }

    // Writes every group's dump(sep1, sep2, flag) to out, nothing when out is not good:
    //   "\nContents of EwRepository:\nGroupName . ParamName : TRUE Value: FALSE Value\n"
    // (flag 1: "\nContents (_prf_value) of EwRepository:" and "... TRUE Value_1: FALSE
    // Value_1"), then each group's lines, each followed by an end of line, and after each
    // group "\n" and an end of line.
    void rdump(std::ostream& out, const GwString& sep1, const GwString& sep2, int flag) const;
    // Number of groups with at least one parameter whose value and comparison value differ.
    int diff_measurement_method_1() const;
    // Every group's diff_profiles(mode, out, its name, flag), in order.
    void diff_profiles(int mode, DynGwStringPtrArray*& out, int flag) const;

protected:
    void SetChanged() { m_iChanged = 1; }

private:
    // 1 when the group's name is a prefix of name (an empty group name is a prefix of all).
    static int is_prefix_group(const EwDataSet& group, const GwString& name);
    // 1 as soon as ask(group) is non-zero for a group, in list order; else 0.
    template <typename Ask>
    int any_group(Ask ask) const;
    // The first non-empty text ask(group) gives, asking every group or only those whose name
    // is a prefix of name; else empty.
    template <typename Ask>
    GwString first_text(const GwString& name, bool prefix_groups_only, Ask ask) const;

    int m_iChanged = 0;
    DynEwDataSetPtrArray m_coGroups{10, 10};
};
