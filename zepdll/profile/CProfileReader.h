// Reads a scanner type's profile ("Profile.zep") and describes each of its parameters as a
// CParameterDescription. The repository builder is its only user.
//
// Layout of a profile (GwProfile syntax). "GeneralInformation" and "ParameterGroups" are found
// by name; the sections at positions 0 to 2 are never group sections. The section of group g
// (counted from 0 in "ParameterGroups" order) is the section at position g + 3, whatever its
// name.
//
//   [GeneralInformation]
//   Version=1.0
//   ResourceFile=ZEP100.cgw
//   [ParameterGroups]
//   Code=Code settings                       group 0: key "Code", text "Code settings"
//   [Notes]                                  third section: not read
//   [Code]                                   group 0's section (position 3)
//   Count=2                                  position 0: the number of parameters
//   Instances=1,2                            position 1: instance suffixes ("One Of")
//   Speed=Scan speed;ENUMERATEDINT;1;0|1;;;;;0;     parameter 0
//   MAPPING_001=Slow,Fast                    mapping of Speed in language 1
//   MAPPING_049=Langsam,Schnell              mapping of Speed in language 49
//   Len=Length;INT;2;;99;1;;;10;chars        parameter 1
//
// A key that contains "MAP" (upper case) anywhere is a mapping entry, never a parameter.
// Parameter line fields (";"): 0 label, 1 type, 2 length, 3 values (with a mapping: the codes,
// separated by "|"), 4 high, 5 low, 6 excludes, 7 character default, 8 default, 9 unit.
//
// A file or section that is missing is not reported: the queries give their failure values
// (-1 counts, null lists, empty texts).
#pragma once

#include "CDynParameterDescriptionArray.h"
#include "CGroupName.h"
#include "GwString.h"

#include <memory>
#include <ostream>
#include <vector>

class DynGwStringPtrArray;
class GwDynIntArray;
class GwProfile;

class CProfileReader {
public:
    // A reader without a file: number_of_groups() is -1, every query gives its failure value.
    CProfileReader();
    // Opens the profile at path (resolved without regard to case) and reads the group list
    // and "GeneralInformation". A file that cannot be read gives a reader with 0 groups.
    explicit CProfileReader(const GwString& path);
    // The same with a profile already parsed (from a text, for example); null is taken as a
    // reader without a file.
    explicit CProfileReader(std::unique_ptr<GwProfile> profile);
    ~CProfileReader();

    CProfileReader(const CProfileReader&) = delete;
    CProfileReader& operator=(const CProfileReader&) = delete;

    // Number of entries of "ParameterGroups" (0 without it; -1 for a reader without a file).
    int number_of_groups() const { return m_iNumberOfGroups; }
    // A new array of number_of_groups() new records, index = position; null without
    // "ParameterGroups". Release it with release_group_names.
    CGroupName** all_group_names() const;
    // Deletes an array that all_group_names returned (null is fine).
    static void release_group_names(CGroupName** names, int count);
    // A new list (the caller owns it and its records) with one description per parameter of
    // the group, in file order, each with Index 1. As many as the group's count entry says,
    // but never more than the group section holds parameter entries; empty for a count
    // below 1, a group number out of range or a missing section.
    CDynParameterDescriptionArray* get_group_parameterdescriptions(int group);
    // The number at position 0 of the group section; -1 without a file, for a group number
    // outside 0..number_of_groups()-1, or when the section does not exist.
    int number_of_parameter_descriptions_in_group(int group);
    // The same number (read with GwAtoi); also -1 without "ParameterGroups".
    int number_of_parameters(int group);
    // "Version" and "ResourceFile" of "GeneralInformation" (empty when absent).
    GwString zep_version() const { return m_sVersion; }
    GwString name_of_resource() const { return m_sResourceFile; }
    // Writes a readable block per description to out (nothing when a is null or out is not
    // good):
    //   Group Number 0 , Parameter Number 0
    //   Index    - 1
    //   One Of   - 1,2
    //   Name     - Scan speed
    //   ... one line each for Type, Length, Range, High, Low, Excludes, Def Char, Def Int,
    //   Group, Group ID, ID, UNITS ...
    //   MAPPING  - 01            (the codes run together; "NULL" without a mapping)
    // each block followed by three line ends.
    void dump_DnyParamDescArray(CDynParameterDescriptionArray* a, std::ostream& out,
                                int group) const;

protected:
    // Reads "GeneralInformation" and the number of groups; always 1.
    int initialise();
    // 1 for a field number from 0 to 10.
    static int is_valid_attribute(int field);
    // Field of a parameter line: empty for an empty line; field 20 reads field 9; 0..10 the
    // ";"-separated field (empty when the line has fewer); any other number "0".
    //   ("a;b;c", 1) -> "b"   ("a;b", 5) -> ""   ("a;b", 11) -> "0"   ("", 11) -> ""
    static GwString piece_of_string(const GwString& line, int field);
    // Field 8, the default.
    static GwString get_defaults(const GwString& line);
    // Entry position of parameter parameter + offset - 1 of the group (positions 0, 1 and
    // mapping entries skipped); -1 when the section or that parameter does not exist.
    int get_parameter_index(int group, int parameter, int offset);
    // 1 when position is not in excluded.
    static int is_allowed(const GwDynIntArray* excluded, int position);
    // The group's instance list (position 1 of its section); "-1" without "ParameterGroups",
    // for a group or parameter number out of range, or a missing section.
    GwString is_multidescriptive(int group, int parameter);
    // When one of the mapping entries directly after the parameter's entry has a key that
    // contains "MAPPING_" + the language code ("MAPPING_049"): range becomes that entry's
    // value and the result is a new list of the old range's "|"-separated codes. Otherwise
    // (the first entry after it without "MAP" in its key ends the search) null and range
    // stays.
    DynGwStringPtrArray* HasMapping(int group, int parameter, GwString& range);
    // The description of one parameter (parameter numbers from 0; every caller passes offset
    // 1); an empty record when there is no file, no group list, no such group, section or
    // parameter.
    CParameterDescription get_description_number(int group, int parameter, int offset);

private:
    void read_group_names();
    // 1 when group is a group number of the list.
    int is_group(int group) const;
    // Number of parameter entries of the group section (entries from position 2 whose key
    // has no "MAP"); 0 when the section does not exist.
    int parameter_entries(int group);

    int m_iNumberOfGroups = -1;
    std::unique_ptr<GwProfile> m_pProfile;
    // One record per group, built at construction; m_bHasGroupList is false without
    // "ParameterGroups".
    std::vector<CGroupName> m_aoGroupNames;
    bool m_bHasGroupList = false;
    GwString m_sFilePath;
    GwString m_sResourceFile;
    GwString m_sVersion;
};
