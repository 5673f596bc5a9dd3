// A dialog bound to a repository: the base of every window manager of the program. It holds
// the dialog's pages (owned) and the controls placed directly on the dialog (not owned; none
// in this program), and lets any callback find the manager of its window:
//
//   int Save_CB(GwCore* window, GwEvent* event, const GwUD& data) {
//       EwDialogSatz* owner = EwDialogSatz::Owner(window);   // from the window's frame
//       if (owner == nullptr)
//           return 1;
//       ...
//   }
//
// The repository is not owned; it must outlive the dialog or be null.
#pragma once

#include "DynEwCtrlVwPtrArray.h"
#include "DynPagePtrArray.h"
#include "GwView.h"

class EwPage;
class EwRepository;

class EwDialogSatz : public GwView {
public:
    // Builds the view (GwView) and remembers the repository.
    EwDialogSatz(EwRepository* repository, const GwString& resource, const GwString& file,
                 const GwFuncDesc* table, GwCore* parent);
    // Deletes the pages.
    ~EwDialogSatz() override;

    // The page of a window: walking up from window to the first tab page, page or frame,
    // the page object whose window that tab page or page is; null when the walk ends at a
    // frame or the page has no object.
    virtual EwPage* FindPage(GwCore* window) const;
    // The controls of the dialog, then every page, into / from the repository. 1 when every
    // value was taken / shown; 0 otherwise or without a repository.
    virtual int StoreDialog();
    virtual int ShowDialog();
    // Every control of the dialog and of its pages shows "".
    virtual void ClearDialog();

    EwRepository* Repository() const { return m_pRepository; }
    const DynPagePtrArray& Pages() const { return m_coPages; }

    // The dialog manager whose window is the frame of window, or null.
    static EwDialogSatz* Owner(const GwCore* window);

protected:
    // For every spin button and combo box of the window, appends the texts of its parameter's
    // range (EwRepository::range, flag 0) to its items; controls of no range stay empty. A
    // combo box is then at least as wide as its longest item.
    void FillChoiceLists();

    DynPagePtrArray m_coPages{4, 4};
    DynEwCtrlVwPtrArray m_coControls{0, 4};
    EwRepository* m_pRepository;
};
