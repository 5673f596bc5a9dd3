// One scanner parameter: the abstract base of the typed parameters (enumerations, integer and
// byte-sequence ranges, texts). A parameter keeps its value in two forms chosen by a form flag:
// 1 is the coded form exchanged with the scanner and stored in script files, every other flag
// the plain form shown to the user.
#pragma once

#include "GwString.h"

class DynGwStringPtrArray;

class EwType {
public:
    EwType() = default;
    explicit EwType(const GwString& name);
    EwType(const GwString& name, const GwString& type);
    virtual ~EwType();

    EwType(const EwType&) = delete;
    EwType& operator=(const EwType&) = delete;

    int IsActive() const { return m_iActive; }
    int IsVisible() const { return m_iVisible; }
    int IsEnabled() const { return m_iEnabled; }
    void set_active(const int& flag) { m_iActive = flag; }
    void set_visible(const int& flag) { m_iVisible = flag; }
    void set_enabled(const int& flag) { m_iEnabled = flag; }

    // The length of the coded form as decimal text ("3").
    GwString length() const;
    // length := the leading decimal number of the text ("12abc" -> 12, "x" -> 0).
    void set_length(const GwString& length);
    GwString name() const { return m_sName; }
    void set_name(const GwString& name) { m_sName = name; }
    // The profile type name ("ENUMERATEDINT", "HEXCHAR", ...).
    GwString type() const { return m_sType; }
    // 1 when n equals the name exactly; 0 for any n while the own name is empty.
    int has_name(const GwString& n) const;

    // The virtual operations in their fixed slot order. Each concrete class documents its own
    // rules; note, set_note, differs and diff_text behave the same in all of them.

    // 1 when candidate is an allowed value in plain form.
    virtual int IsValid(const GwString& candidate) const = 0;
    virtual GwString note() const = 0;
    virtual void set_note(const GwString& note) = 0;
    virtual GwString value(int form) const = 0;
    // The comparison value (a second value kept for finding differences).
    virtual GwString prf_value(int form) const = 0;
    // 1 when stored, 0 when rejected (the parameter then stays unchanged).
    virtual int set_value(const GwString& v, int form) = 0;
    virtual int set_prf_value(const GwString& v, int form) = 0;
    // Sets default and current value; 1 when taken, 0 when rejected (callers ignore it).
    virtual int set_default(const GwString& v) = 0;
    // A list the parameter keeps (never a copy, never null-checked for the caller): do not
    // delete it.
    virtual DynGwStringPtrArray* range(int which) const = 0;
    // "low,high" for range types, empty for the others.
    virtual GwString bounds() const = 0;
    // Takes ownership of both lists. A list the class has no use for is deleted at once.
    virtual void set_range(DynGwStringPtrArray*& list, DynGwStringPtrArray* mapping) = 0;
    virtual void set_bounds(const GwString& low, const GwString& high) = 0;
    // 1 when value(1) and prf_value(1) differ.
    virtual int differs() const = 0;
    // Empty when value(1) equals prf_value(1); otherwise the name followed directly by
    // value(1) (flag non-zero) or prf_value(1) (flag 0): "Code1Len05".
    virtual GwString diff_text(int flag) const = 0;

protected:
    // The coded form is never longer than a text line of the files that carry it, so a
    // length beyond that (only a broken profile gives one) pads no further than this.
    static constexpr int kMaxPadWidth = 1023;
    // text filled on the left with "0" to the parameter length, never cut ("5" with length 3
    // gives "005", "1234" stays "1234").
    GwString pad_to_length(const GwString& text) const;
    // The width pad_to_length fills to: the length, at most kMaxPadWidth.
    int pad_width() const;
    // Shared by every concrete class (see the slot comments above).
    GwString common_note() const { return m_sNote; }
    void common_set_note(const GwString& note) { m_sNote = note; }
    int common_differs() const;
    GwString common_diff_text(int flag) const;
    // Deletes a list handed over that the class does not keep, unless it is the one it keeps.
    static void discard(DynGwStringPtrArray* list, const DynGwStringPtrArray* kept);

    int m_iActive = 0;
    int m_iVisible = 0;
    int m_iEnabled = 0;
    GwString m_sName;
    GwString m_sType;
    GwString m_sNote;
    int m_iLength = 0;
};
