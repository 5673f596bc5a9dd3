// A parameter group: a named list of parameters that it owns. Every operation that takes a
// parameter name asks the parameters in list order and uses the first whose name equals it;
// when none does, the operation gives its neutral result (0, empty text or null).
//
// A parameter's name is its group's name followed directly by its own key, so "Code1" holds
// "Code1Len" and "Code1Mode".
#pragma once

#include "DynEwTypePtrArray.h"
#include "GwString.h"

class DynGwStringPtrArray;
class EwType;

class EwDataSet {
public:
    explicit EwDataSet(const GwString& name = "");
    // Deletes every parameter.
    virtual ~EwDataSet();

    EwDataSet(const EwDataSet&) = delete;
    EwDataSet& operator=(const EwDataSet&) = delete;

    // The virtual operations in their fixed slot order. Not found: the result in brackets.

    // Appends p, which the group owns from now on: 1. A null p, or one already in the group
    // (it would be deleted twice), is not added: 0.
    virtual int add_item(EwType*& p);
    // The parameter's flag [0].
    virtual int IsActive(const GwString& name) const;
    virtual int IsVisible(const GwString& name) const;
    virtual int IsEnabled(const GwString& name) const;
    // The parameter's profile type name [empty].
    virtual GwString type(const GwString& name) const;
    // The parameter's length in decimal [empty].
    virtual GwString length(const GwString& name) const;
    // The parameter's value / comparison value in that form [empty].
    virtual GwString value(const GwString& name, int form) const;
    virtual GwString prf_value(const GwString& name, int form) const;
    // The parameter's list; the parameter keeps it [null].
    virtual DynGwStringPtrArray* range(const GwString& name, int which) const;
    // The parameter's IsValid [0].
    virtual int IsValid(const GwString& name, const GwString& candidate) const;
    // Store the flag: 1 [0].
    virtual int set_active(const GwString& name, const int& flag);
    virtual int set_visible(const GwString& name, const int& flag);
    virtual int set_enabled(const GwString& name, const int& flag);
    // length := the leading number of the text: 1 [0].
    virtual int set_length(const GwString& name, const GwString& length);
    // The parameter's result: 1 stored, 0 rejected [0].
    virtual int set_value(const GwString& name, const GwString& v, int form);
    virtual int set_prf_value(const GwString& name, const GwString& v, int form);
    // Passes v to the parameter's set_default and gives 1, whether it took v or not [0].
    virtual int set_default(const GwString& name, const GwString& v);
    // Hands both lists to the parameter, which owns them from now on: 1. [0: the lists are
    // not taken and still belong to the caller.]
    virtual int set_range(const GwString& name, DynGwStringPtrArray*& list,
                          DynGwStringPtrArray* mapping);
    // Stores the bounds: 1 [0].
    virtual int set_bounds(const GwString& name, const GwString& low, const GwString& high);
    // The parameter's bounds() [empty].
    virtual GwString bounds(const GwString& name) const;
    // A new list (the caller owns it) with the names of the parameters in list order.
    virtual DynGwStringPtrArray* list_of_names() const;

    GwString get_name() const { return m_sName; }
    // 1 when n equals the group name (also when both are empty).
    int has_name(const GwString& n) const;
    // Number of parameters.
    int size() const { return m_coItems.count(); }

    // A new list (the caller owns it), one line per parameter in list order:
    //   group + sep1 + parameter name + sep1 + length + sep2 + A + sep2 + B + sep2
    // where A, B are value(1), value(0) for flag 0 and prf_value(1), prf_value(0) otherwise.
    //   ("|", ";", 0) on group "G" with GMode (length 2, On coded 1): "G|GMode|2;01;On;"
    DynGwStringPtrArray* dump(const GwString& sep1, const GwString& sep2, int flag) const;
    // Number of parameters whose value and comparison value differ in coded form.
    int diff_measurement_method_1() const;
    // Appends to *out (which must exist; a null out is left alone) the differences of this
    // group as parameter data lines: "3" + group followed by, for each differing parameter,
    // its field prefix (FieldPrefix of its name) and its coded value (flag
    // non-zero) or coded comparison value (flag 0). mode non-zero: one line per differing
    // parameter; mode 0: one line with all of them, appended only when something differs.
    //   mode 0, group "Code1", Code1Len and Code1Mode differ: "3Code1Len05Mode1"
    void diff_profiles(int mode, DynGwStringPtrArray*& out, const GwString& group, int flag) const;

    // The field prefix of a parameter name: the name without its first len(group)
    // characters. When that remainder contains "NONAME" anywhere, it becomes empty if it is
    // exactly "NONAME" and otherwise loses its first six characters.
    //   ("Code1Len", "Code1") -> "Len"     ("G1NONAME", "G1") -> ""
    //   ("G1NONAMEX", "G1") -> "X"         ("G1AB", "Group1") -> ""
    static GwString FieldPrefix(const GwString& name, const GwString& group);

protected:
    // The first parameter whose name equals name, or null.
    EwType* find(const GwString& name) const;

    DynEwTypePtrArray m_coItems{10, 10};
    GwString m_sName;
};
