// The compare list "Compare List": the parameters whose value in the parameter set differs
// from the factory defaults or from a script file, each with both values as the parameter
// dialog shows them. The list can be copied (the selected lines, or all when none is
// selected, tab-separated with the column titles first) and printed (heading and table).
//
// The layout holds "ID_HEADING" (a label), "LIST" (three columns) and binds
// "CCompareDlgMgr::Copy_CB" and "CCompareDlgMgr::Print_CB"; its Close button ends the run.
#pragma once

#include "CParamCompare.h"
#include "EwDialogSatz.h"

#include <vector>

class CCompareDlgMgr : public EwDialogSatz {
public:
    CCompareDlgMgr(const GwString& resource, const GwString& file, const GwFuncDesc* table,
                   GwCore* parent);
    ~CCompareDlgMgr() override = default;

    // Fills the heading (warning 80 and the count, or warning 79 when nothing differs), the
    // column titles (warning 76, value_title, other_title) and one line per difference.
    void SetList(const std::vector<CParamCompare::Difference>& differences,
                 const GwString& value_title, const GwString& other_title);

    // The list as text, one line each, the columns separated by tabs, the titles first.
    GwString Text(int selected_only) const;

    // Puts Text(1) (all lines when none is selected) on the clipboard. 1.
    int Copy_CB(GwCore* window, GwEvent* event, const GwUD& data);
    // Prints the heading and the table as columns in "9.Courier"; a cancelled print dialog
    // prints nothing. 1.
    int Print_CB(GwCore* window, GwEvent* event, const GwUD& data);

private:
    std::vector<CParamCompare::Difference> m_oDifferences;
    GwString m_sValueTitle;
    GwString m_sOtherTitle;
};
