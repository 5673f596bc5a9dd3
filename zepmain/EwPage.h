// One page of a dialog (a tab page): its window, found by id inside the dialog, and the
// controls on it that are bound to parameters. The page owns its control wrappers; the page
// window belongs to the dialog.
//
//   EwPage page(dialog_window, "Device");            // Window() is null without that page
//   page.AddControl("CVA", new EwToggle);            // skipped when "CVA" is not on the page
//   page.BindFurtherControls(repository);
//   page.ShowPage(repository);                       // every control shows its parameter
#pragma once

#include "DynEwCtrlVwPtrArray.h"
#include "GwView.h"

class EwCtrlVw;
class EwRepository;

class EwPage : public GwView {
public:
    // Links the element with id page_id inside dialog.
    EwPage(GwCore* dialog, const GwString& page_id);
    // Deletes the control wrappers (they detach from their controls).
    ~EwPage() override;

    // A hook for pages that react to their window's callbacks; 1.
    virtual int Hook(GwCore* window, GwEvent* event, const GwUD& data);
    // Every control: EwRepository::set_value(name, GetValue(), 0). 1 when every value was
    // taken (also with no controls), else 0; 0 without a repository.
    virtual int StorePage(EwRepository* repository);
    // Every control: ShowValue(EwRepository::value(name, 0)). 1 when every value was shown.
    virtual int ShowPage(EwRepository* repository);
    // Every control shows "".
    virtual void ClearPage();

    // Binds the control with id on this page to wrapper, which the page owns from now on.
    // The wrapper, or null when the page has no such control or it is bound already (the
    // wrapper is then deleted).
    EwCtrlVw* AddControl(const GwString& id, EwCtrlVw* wrapper);
    // Binds every control of the page not bound yet whose id names a parameter of the
    // repository, its kind taken from its class: combo box, spin button, edit field, check
    // box, or a container of radio buttons (EwRadioCont). Gives the number bound.
    int BindFurtherControls(const EwRepository& repository);

    // The wrapper bound to the parameter name, or null.
    EwCtrlVw* FindControl(const GwString& name) const;
    const DynEwCtrlVwPtrArray& Controls() const { return m_coControls; }

private:
    DynEwCtrlVwPtrArray m_coControls{16, 16};
};
