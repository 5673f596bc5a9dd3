// Builds the live repository of a scanner type from its profile: one group per profile group
// (several when the group has an instance list), and in each group one typed parameter per
// parameter line with its length, bounds, lists and default already set.
//
//   Profile group "Code" with instance list "1,2" and parameter key "Len" gives the groups
//   "Code1" and "Code2" with the parameters "Code1Len" and "Code2Len".
//
// Profile types and the parameter each gives:
//   ENUMERATEDCHAR            EwEnumChar   values (Range, or the mapping texts), codes
//   ENUMERATEDINT, BOOLEAN    EwEnumInt    values, codes
//   INT                       EwRangeInt   bounds Low/High, excludes
//   HEXCHAR                   EwRangeChar  bounds Low/High, excludes; default "NA" is empty
//   STRING                    EwString     excludes
//   NULSTRING                 EwString
//   anything else ("CHAR", "LISTEDINT", ...): no parameter; its group is still made.
// Every parameter gets the length and then the default (Def Int); a default that an
// enumeration or integer rejects is ignored.
#pragma once

#include "GwString.h"

#include <memory>

class CParameterDescription;
class CProfileReader;
class DynGwStringPtrArray;
class EwRepository;
class EwType;
class GwProfile;

class CScanRepoBuilder {
public:
    CScanRepoBuilder();
    // Deletes the reader of the last build.
    ~CScanRepoBuilder();

    CScanRepoBuilder(const CScanRepoBuilder&) = delete;
    CScanRepoBuilder& operator=(const CScanRepoBuilder&) = delete;

    // A new repository (the caller owns it; it does not depend on the builder) built from the
    // profile at profile_path, with its changed flag 0. A profile that cannot be read, or has
    // no "ParameterGroups", gives an empty repository; a malformed one a partial repository.
    // Never null.
    EwRepository* build_repo(const GwString& profile_path);
    // The same from a profile already parsed (from a text, for example).
    EwRepository* build_repo_from_profile(std::unique_ptr<GwProfile> profile);

private:
    EwRepository* build();
    // A new parameter for the description, or null for a type without a class.
    EwType* create_type(CParameterDescription* d);
    // The allowed values of an enumeration: Range split at ","; a field ending in "\\" is
    // joined with the next one by a comma ("Off,On,A\\,B" gives Off, On and "A,B"). Null for
    // other types.
    static DynGwStringPtrArray* make_value_list(const CParameterDescription* d);
    // Excludes split at ","; null for types without excludes.
    static DynGwStringPtrArray* make_exclude_list(const CParameterDescription* d);
    // A copy of the codes of the mapping; null without one or for types without codes.
    static DynGwStringPtrArray* copy_code_list(const CParameterDescription* d);

    std::unique_ptr<CProfileReader> m_pReader;
};
