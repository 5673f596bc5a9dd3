#include "CApplFrameMgr.h"

#include "CAutoBaudDlgMgr.h"
#include "CComDlgMgr.h"
#include "CCompareDlgMgr.h"
#include "CDriver.h"
#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "CMainDlgMgr.h"
#include "CParamCompare.h"
#include "CParser.h"
#include "CScanRepoBuilder.h"
#include "CScanRepoIf.h"
#include "CScriptPrintMgr.h"
#include "CSplashScreen.h"
#include "CTerminal.h"
#include "CTransferBox.h"
#include "DynGwStringPtrArray.h"
#include "EwRepository.h"
#include "GwCore.h"
#include "GwFileSelector.h"
#include "GwPath.h"
#include "GwQt.h"
#include "GwRcMgr.h"
#include "GwWaitObject.h"

#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

// Message numbers (CErrorHandler texts).
constexpr unsigned kErrWrite = 4;
constexpr unsigned kErrRead = 5;
constexpr unsigned kErrDefaults = 6;
constexpr unsigned kErrLayout = 31;
constexpr unsigned kErrFoundType = 18;
constexpr unsigned kErrSwitchType = 19;
constexpr unsigned kErrNoType = 32;
constexpr unsigned kErrConfirm = 41;
constexpr unsigned kErrPrinted = 58;
constexpr unsigned kErrNotStored = 66;
constexpr unsigned kErrNoScanner = 67;
constexpr unsigned kErrOtherTypes = 63;
constexpr unsigned kErrDownloadCancelled = 64;
constexpr unsigned kWarnConnecting = 5;
constexpr unsigned kWarnDownload = 7;
constexpr unsigned kWarnUpload = 9;
constexpr unsigned kWarnDefaults = 12;
constexpr unsigned kWarnBuilding = 16;
constexpr unsigned kWarnWritten = 18;
constexpr unsigned kWarnRead = 19;
constexpr unsigned kWarnOtherType = 21;
constexpr unsigned kWarnFileType = 22;
constexpr unsigned kWarnSelectedType = 23;
constexpr unsigned kWarnOpenTitle = 39;
constexpr unsigned kWarnOverwrite = 44;
constexpr unsigned kWarnChanged = 51;
constexpr unsigned kWarnSaveTo = 52;
constexpr unsigned kWarnSent = 71;
constexpr unsigned kWarnVerified = 72;
constexpr unsigned kWarnStored = 73;
constexpr unsigned kWarnUploadCancelled = 74;
constexpr unsigned kWarnVerifying = 75;
constexpr unsigned kWarnDefaultsTitle = 77;
constexpr unsigned kWarnNextStart = 82;
constexpr unsigned kWarnCurrentValues = 83;

constexpr long kYesNo = 0x4200;
constexpr long kYesNoCancel = 0x14200;
constexpr int kYes = 10;
constexpr int kCancel = 15;
constexpr int kTakenOver = 6;

constexpr unsigned short kSplashMs = 2000;
constexpr int kRecentFiles = 9;

GwString err(unsigned n, unsigned f) {
    return CErrorHandler::error_msg(n, f);
}

GwString warn(unsigned n, unsigned f) {
    return CErrorHandler::warning(n, f);
}

// The program's own callback of that name (the layouts bind the same).
GwCallbackFn callback(const char* name) {
    return GwRcMgr::function(name);
}

} // namespace

CApplFrameMgr::CApplFrameMgr(GwCore* parent, const GwString& resource, const GwString& file,
                             const GwFuncDesc* table)
    : EwDialogSatz(nullptr, resource, file, table, parent) {}

CApplFrameMgr::~CApplFrameMgr() {
    delete m_pMainDialog;
    if (m_sLayoutFile.not_null())
        GwRcMgr::unuse(m_sLayoutFile);
    delete m_pFileIf;
    delete m_pPrintMgr;
    delete m_pRepository;
}

GwCore* CApplFrameMgr::Child(const char* id) const {
    GwCore* window = Window();
    return window != nullptr ? window->child(id) : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Start-up

int CApplFrameMgr::Show(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* main = Window();
    if (main == nullptr || m_iShown != 0)
        return 1;
    m_iShown = 1;
    if (GwCore* label = Child("VERSION_LABEL"))
        label->start_timer(kSplashMs);
    CheckOne({"METRIC", "INCH"}, CInitMgr::GetUnit());
    CheckOne({"001", "049", "033"}, CInitMgr::get_lang_str());
    FillScannerTypes();
    AddRecentFileItems();
    ShowPort();
    // The rest runs once the window is on the screen, so that the welcome dialog and the
    // boxes of connecting and uploading stand in front of it.
    QTimer::singleShot(0, main->widget(), [this]() { StartUp(); });
    return 1;
}

void CApplFrameMgr::FillScannerTypes() {
    GwCore* list = Child("SCANNER_TYPE");
    if (list == nullptr)
        return;
    list->delete_all_items();
    list->set_sorting(2);
    const std::vector<GwString> types = GwPath::list(".", "zep*", true);
    for (const GwString& name : types)
        list->add_item(name);
    list->deselect_all();
    if (types.empty())
        CErrorHandler::show_error(err(kErrNoType, 0));
}

void CApplFrameMgr::AddRecentFileItems() {
    GwCore* menu = Child("FILEMENU");
    if (menu == nullptr)
        return;
    menu->append_separator("ignore");
    for (int i = 1; i <= kRecentFiles; ++i) {
        GwCore* item = menu->append_menu_item("FILE" + GwString(i), GwString());
        if (item != nullptr)
            item->set_callback(
                GwCallback(GwCB_ACTIVATE, callback("CApplFrameMgr::ReadFromFile_CB")));
    }
    // Exit stays the last item, below the recent files.
    auto* qmenu = qobject_cast<QMenu*>(menu->object());
    GwCore* exit = Child("EXIT");
    if (qmenu != nullptr && exit != nullptr && exit->action() != nullptr) {
        qmenu->removeAction(exit->action());
        qmenu->addSeparator();
        qmenu->addAction(exit->action());
    }
    RefreshRecentFiles(GwString());
}

void CApplFrameMgr::StartUp() {
    GwCore* main = Window();
    if (main == nullptr || m_iStartedUp != 0)
        return;
    if (CInitMgr::_WelcomeScreen != 0) {
        std::unique_ptr<GwCore> welcome(GwRcMgr::load("Welcome Dialog", main));
        if (welcome != nullptr) {
            int x = 0;
            int y = 0;
            main->screen_position(x, y);
            welcome->move_to_screen(x + 30, y + 70);
            welcome->go();
            if (GwCore* box = welcome->child("ID_NOWELCOME"); box != nullptr && box->value() == 1)
                CInitMgr::_WelcomeScreen = 0;
        }
    }
    if (g_pcoDriver != nullptr)
        g_pcoDriver->set_window(main, CScanRepoIf::ReceivedError_CB, CScanRepoIf::ReceivedData_CB);
    if (m_sStartFile.not_null()) {
        if (g_pcoDriver != nullptr)
            g_pcoDriver->set_mode(1);
        OpenFile(m_sStartFile, 1, 1);
    } else if (CInitMgr::_ImmediateConnect == 0) {
        if (m_pTransfer != nullptr)
            m_pTransfer->SetConnectionStatus(0);
        ShowPort();
    } else if (Connect() != 0) {
        Adopt(1);
    } else if (CInitMgr::_LastZEPType.not_null() && SelectListEntry(CInitMgr::_LastZEPType)) {
        // Nobody answered: the type used last, without a connection. With no type used
        // before, the type is left to the user.
        SelectScanner(0);
    }
    RefreshTitle();
    m_iStartedUp = 1;
}

// ---------------------------------------------------------------------------------------------
// Connecting and the scanner type

int CApplFrameMgr::Connect() {
    if (m_pTransfer == nullptr)
        return 0;
    int connected = 0;
    {
        CInfoBox box(warn(kWarnConnecting, 1) + CInitMgr::GetComID());
        connected = m_pTransfer->initialize();
    }
    ShowPort();
    return connected;
}

GwString CApplFrameMgr::PortText() {
    return CInitMgr::GetComID() + " " + CInitMgr::GetComBaudrate() + "," +
           CInitMgr::GetComParity() + "," + CInitMgr::GetComDatabits() + "," +
           CInitMgr::GetComStopbits();
}

void CApplFrameMgr::ShowPort() {
    GwCore* label = Child("ID_PORT");
    if (label == nullptr)
        return;
    const GwString scanner = CScanRepoIf::ConnectedScanner();
    const int connected = m_pTransfer != nullptr && m_pTransfer->IsConnected() != 0;
    label->set_text(connected && scanner.not_null() ? scanner + " \u00b7 " + PortText()
                                                    : PortText());
}

int CApplFrameMgr::ConnectForCommand() {
    const long errors = g_pcoDriver != nullptr ? g_pcoDriver->ErrorCount() : 0;
    if (Connect() != 0)
        return 1;
    // The port "NONE", a port error and a command map that cannot be read were reported
    // while connecting; a scanner that never answered was not.
    const bool reported = CInitMgr::GetComID() == "NONE" ||
                          (g_pcoDriver != nullptr && g_pcoDriver->ErrorCount() != errors) ||
                          CScanRepoIf::ConnectedScanner().not_null();
    if (!reported)
        CErrorHandler::show_error(err(kErrNoScanner, 1) + PortText());
    return 0;
}

int CApplFrameMgr::Adopt(int upload) {
    const GwString model = CScanRepoIf::ConnectedScanner();
    GwString name = CParser::TranslateType(model, 0, 2);
    if (name.is_empty())
        name = model; // a scanner of no known type is named as it reports itself
    if (!SelectListEntry(name))
        return 0;
    if (SelectScanner(0) == 0)
        return 0;
    return upload != 0 ? Upload() : 1;
}

int CApplFrameMgr::SelectListEntry(const GwString& name) {
    GwCore* list = Child("SCANNER_TYPE");
    const int index = list != nullptr ? list->find_item(name) : -1;
    if (index < 0) {
        CErrorHandler::show_error(err(kErrNoType, 1) + name);
        return 0;
    }
    list->select_item(index);
    return 1;
}

void CApplFrameMgr::ShowSelectedType() {
    GwCore* list = Child("SCANNER_TYPE");
    if (list == nullptr)
        return;
    const int index = m_sTypeName.not_null() ? list->find_item(m_sTypeName) : -1;
    if (index >= 0)
        list->select_item(index);
    else
        list->deselect_all();
}

int CApplFrameMgr::SelectScanner_CB(GwCore* /*window*/, GwEvent* event, const GwUD& /*data*/) {
    SelectScanner(event != nullptr ? 1 : 0);
    return 1;
}

int CApplFrameMgr::SelectScanner(int connect, int ask) {
    GwCore* list = Child("SCANNER_TYPE");
    const GwString name = list != nullptr ? list->text() : GwString();
    if (name.is_empty() || m_iBusy != 0) {
        ShowSelectedType();
        return 0;
    }
    const GwString dir = name + "\\";
    // Every missing file is named; the type is switched only when all four are there.
    struct Needed {
        GwString path;
        unsigned error;
    };
    const Needed needed[] = {{dir + name + ".cgw", kErrLayout},
                             {dir + "3prf1", kErrRead},
                             {dir + "Profile.zep", kErrRead},
                             {dir + "cmd.map", kErrRead}};
    int missing = 0;
    for (const Needed& n : needed) {
        if (GwPath::is_file(n.path) == 0) {
            CErrorHandler::show_error(err(n.error, 1) + n.path);
            ++missing;
        }
    }
    if (missing != 0 || (ask != 0 && AskSave() == kCancel)) {
        ShowSelectedType();
        return 0;
    }
    if (Build(name, dir, connect) == 0) {
        ShowSelectedType();
        return 0;
    }
    LoadFactoryDefaults();
    CInitMgr::_LastZEPType = name;
    return 1;
}

int CApplFrameMgr::Build(const GwString& name, const GwString& dir, int connect) {
    GwCore* main = Window();
    if (m_iBusy != 0 || main == nullptr)
        return 0;
    m_iBusy = 1;
    CInfoBox box(warn(kWarnBuilding, 0));
    // The new type is built completely before anything of the old one goes.
    const GwString profile = dir + "Profile.zep";
    std::unique_ptr<EwRepository> repository(CScanRepoBuilder().build_repo(profile));
    if (repository == nullptr || repository->size() == 0) {
        box.close();
        CErrorHandler::show_error(err(kErrRead, 1) + profile);
        m_iBusy = 0;
        return 0;
    }
    repository->ResetChanged();
    const GwString layout = dir + name;
    auto dialog = std::make_unique<CMainDlgMgr>(repository.get(), "Main Dialog", layout,
                                                CallbackTable(), main);
    if (dialog->Window() == nullptr) {
        dialog.reset();
        GwRcMgr::unuse(layout);
        box.close();
        // There, but not a layout that can be built.
        CErrorHandler::show_error(err(kErrRead, 1) + layout + ".cgw");
        m_iBusy = 0;
        return 0;
    }

    // Now the old type goes, all four objects together.
    if (m_pMainDialog != nullptr) {
        if (GwCore* old = m_pMainDialog->Window())
            old->hide();
        delete m_pMainDialog;
        GwRcMgr::unuse(m_sLayoutFile);
    }
    delete m_pFileIf;
    delete m_pPrintMgr;
    delete m_pRepository;
    m_pRepository = repository.release();
    m_pMainDialog = dialog.release();
    m_sLayoutFile = layout;
    m_sTypeName = name;
    CInitMgr::set_scanner_sub_dir(dir);
    // The dialog window carries the file name in its title (and the changed mark).
    m_pFileIf = new CFileRepoIf(m_pRepository, m_pMainDialog->Window());
    m_pPrintMgr = new CScriptPrintMgr(m_pRepository);
    CInitMgr::set_scanner_specific_variables(m_pMainDialog->Window());
    m_pFileIf->UpdateApplTitle();

    if (connect != 0 && m_pTransfer != nullptr) {
        box.close();
        Connect();
    }
    // The type's name, and the scanners it is made for.
    if (GwCore* label = Child("VERSION_LABEL")) {
        const GwString scanners = CInitMgr::SelectedScanner();
        label->set_text(scanners.not_null() ? name + " (" + scanners + ")" : name);
    }
    EnableCommands();
    GwCore* window = m_pMainDialog->Window();
    // The main window and the dialog below it are equally wide.
    int width = 0;
    int height = 0;
    int main_width = 0;
    int main_height = 0;
    window->size(width, height);
    main->size(main_width, main_height);
    if (width > main_width)
        main->resize(width, main_height);
    else
        window->resize(main_width, height);
    Move_CB(main, nullptr, GwUD());
    ShowDialog();
    window->show();
    m_iBusy = 0;
    return 1;
}

void CApplFrameMgr::EnableCommands() {
    if (m_pTransfer != nullptr)
        m_pTransfer->EnableDisableMenuItems();
    ShowPort();
    // The comparisons need a parameter set, not a connection.
    for (const char* id : {"COMPARE_DEFAULTS", "COMPARE_FILE"})
        if (GwCore* item = Child(id))
            m_pRepository != nullptr ? item->enable() : item->disable();
}

void CApplFrameMgr::LoadFactoryDefaults() {
    if (m_pFileIf == nullptr)
        return;
    {
        CInfoBox box(warn(kWarnDefaults, 0));
        const int loaded =
            m_pFileIf->commandfile_to_repository(CInitMgr::scanner_sub_dir() + "3PRF1", 0);
        box.close();
        if (loaded > 0)
            ShowDialog();
        else
            CErrorHandler::show_error(err(kErrDefaults, 0));
    }
    ClearChanged();
    RefreshTitle();
}

// ---------------------------------------------------------------------------------------------
// Dialog helpers

int CApplFrameMgr::StoreDialog() {
    return m_pMainDialog != nullptr ? m_pMainDialog->StoreActivePage() : 0;
}

int CApplFrameMgr::ShowDialog() {
    return m_pMainDialog != nullptr ? m_pMainDialog->ShowDialog() : 0;
}

void CApplFrameMgr::ClearChanged() {
    if (m_pRepository != nullptr)
        m_pRepository->ResetChanged();
}

void CApplFrameMgr::RefreshTitle() {
    if (m_pMainDialog != nullptr)
        m_pMainDialog->RefreshTitleAndPage();
}

int CApplFrameMgr::Move_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    GwCore* reference = Child("reference");
    GwCore* dialog = m_pMainDialog != nullptr ? m_pMainDialog->Window() : nullptr;
    if (reference != nullptr && dialog != nullptr) {
        int x = 0;
        int y = 0;
        reference->screen_position(x, y);
        dialog->move_to_screen(x, y);
    }
    return 1;
}

int CApplFrameMgr::Timer_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window != nullptr)
        window->stop_timer();
    CSplashScreen::Close();
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Files

int CApplFrameMgr::AskSave() {
    if (CInitMgr::m_bAskForSave == 0)
        return 0;
    StoreDialog();
    if (m_pRepository == nullptr || m_pRepository->HasChanged() == 0)
        return 0;
    const GwString file = m_pFileIf != nullptr ? m_pFileIf->get_filename() : GwString();
    GwString text = warn(kWarnChanged, 1) + " \n" + warn(kWarnSaveTo, 0);
    if (file.is_empty())
        text = text(0, text.len() - 5); // "... to " has nothing to save to
    text += file + " ?";
    const int answer = CErrorHandler::Question("ZEP Setup", text, kYesNoCancel);
    if (answer != kYes)
        return answer;
    StoreDialog();
    const GwString previous = file;
    const GwString name = m_pFileIf != nullptr ? m_pFileIf->check_filename(1, 0, 1) : GwString();
    if (name.is_empty())
        return kCancel;
    // Changes the user wanted to keep and that were not written end the command.
    return WriteScript(name, previous) == 1 ? 1 : kCancel;
}

int CApplFrameMgr::WriteScript(const GwString& name, const GwString& previous_name) {
    if (m_pFileIf == nullptr)
        return 0;
    int result = 0;
    // Writing over the file the set was read from or saved to needs no question.
    if (CInitMgr::_PromptOverwrite != 0 && name.not_null() && name != previous_name &&
        GwPath::is_file(name) != 0 &&
        CErrorHandler::Question(err(kErrConfirm, 0), warn(kWarnOverwrite, 1) + name, kYesNo) !=
            kYes) {
        result = kCancel;
    } else {
        const int written = m_pFileIf->repository_to_scriptfile(name, 0);
        if (written < 0)
            CErrorHandler::show_error(err(kErrWrite, 1) + name);
        if (written > 0) {
            CErrorHandler::show_data(warn(kWarnWritten, 1) + name);
            m_pFileIf->set_filename(name);
            RefreshRecentFiles(name);
            m_pFileIf->UpdateApplTitle();
            ClearChanged();
            RefreshTitle();
            return 1;
        }
    }
    // The set keeps the file name it had: a later Save must not write to the file that was
    // just declined or could not be written.
    m_pFileIf->set_filename(previous_name);
    return result;
}

int CApplFrameMgr::Save(int always_ask) {
    StoreDialog();
    if (m_pFileIf == nullptr)
        return 1;
    const GwString previous = m_pFileIf->get_filename();
    const GwString name = m_pFileIf->check_filename(1, always_ask, 1);
    if (name.not_null())
        WriteScript(name, previous);
    return 1;
}

int CApplFrameMgr::WriteToFile_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    return Save(0);
}

int CApplFrameMgr::SaveAsFile_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    return Save(1);
}

int CApplFrameMgr::NewFile_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (AskSave() == kCancel)
        return 1;
    if (m_pFileIf != nullptr) {
        m_pFileIf->reset_filename();
        m_pFileIf->UpdateApplTitle();
    }
    ClearChanged();
    RefreshTitle();
    return 1;
}

int CApplFrameMgr::CloseFile_CB(GwCore* window, GwEvent* event, const GwUD& data) {
    if (AskSave() == kCancel)
        return 1;
    NewFile_CB(window, event, data);
    ClearChanged();
    RefreshTitle();
    return 1;
}

int CApplFrameMgr::ReadFromFile_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (AskSave() == kCancel)
        return 1;
    GwString name;
    const GwString id = window != nullptr ? window->id() : GwString();
    if (id.begins_with("FILE") && id.len() == 5)
        name = CInitMgr::get_filename(id[4] - '0');
    if (m_pFileIf != nullptr) {
        if (name.is_empty()) {
            const GwString previous = m_pFileIf->get_filename();
            name = m_pFileIf->check_filename(0, 1, 0);
            // The file becomes the set's file only once it is loaded.
            m_pFileIf->set_filename(previous);
        }
        if (name.not_null())
            OpenFile(name, 0, 0);
        return 1;
    }
    if (name.is_empty()) {
        const GwString last = CInitMgr::get_filename(0);
        GwFileSelector selector(Window(), GwPath::exists(last) != 0 ? last : GwString("."), "*.slp",
                                0, warn(kWarnOpenTitle, 0));
        if (selector.go(name) == 0)
            return 1;
    }
    OpenFile(name, 1, 0);
    return 1;
}

int CApplFrameMgr::CheckHeader(const GwString& name, int type_from_file) {
    if (GwPath::is_file(name) == 0) {
        CErrorHandler::show_error(err(kErrRead, 1) + name); // a recent file that is gone
        return 0;
    }
    GwString code;
    if (CFileRepoIf::check_script_header(name, code) == 0)
        return 0;
    const GwString file_type = "ZEP" + code;
    if (type_from_file == 0) {
        const GwString selected = CInitMgr::SelectedScanner();
        const GwString model = CParser::TranslateType(code, 1, 0);
        if (model.not_null() && selected.contains(model))
            return 1;
        const GwString text = warn(kWarnOtherType, 1) + warn(kWarnFileType, 0) + file_type + "\n" +
                              warn(kWarnSelectedType, 0) + m_sTypeName + "\n";
        if (CErrorHandler::Question(err(kErrConfirm, 0), text, kYesNo) != kYes)
            return 0;
    }
    if (type_from_file == 0 && file_type == m_sTypeName)
        return 1;
    if (!SelectListEntry(file_type))
        return 0;
    // The open command asked the save question already.
    return SelectScanner(0, 0);
}

void CApplFrameMgr::OpenFile(GwString name, int type_from_file, int start_file) {
    if (CheckHeader(name, type_from_file) == 0 || m_pFileIf == nullptr) {
        if (start_file != 0)
            ClearChanged();
        return;
    }
    GwMessageBox* raw = nullptr;
    const int loaded = m_pFileIf->scriptfile_to_repository(name, raw, 0);
    CInfoBox box = CInfoBox::adopt(raw);
    if (loaded > 0) {
        ShowDialog();
        RefreshRecentFiles(name);
        m_pFileIf->set_filename(name);
        m_pFileIf->UpdateApplTitle();
        box.close();
        if (start_file == 0)
            CErrorHandler::show_data(warn(kWarnRead, 1) + name);
        ClearChanged();
    } else if (start_file != 0) {
        ClearChanged();
    }
    // A file that was not loaded showed its own message and left the set as it was, changed
    // mark included.
    RefreshTitle();
}

void CApplFrameMgr::RefreshRecentFiles(const GwString& name) {
    if (name.not_null())
        CInitMgr::select_file(name);
    for (int i = 1; i <= kRecentFiles; ++i) {
        GwCore* item = Child(("FILE" + GwString(i)).cc());
        if (item == nullptr)
            continue;
        const GwString file = CInitMgr::get_filename(i);
        if (file.is_empty()) {
            item->hide();
            continue;
        }
        // "&" makes the next letter a menu shortcut: one in a file name is doubled.
        GwString shown;
        const GwString shortened = ShortenPath(file);
        for (int c = 0; c < shortened.len(); ++c)
            shown += shortened[c] == '&' ? GwString("&&") : GwString(shortened(c, c));
        item->set_text("&" + GwString(i) + " " + shown);
        item->show();
    }
}

GwString CApplFrameMgr::ShortenPath(const GwString& path, int max) {
    GwString shown = path;
    const int first = shown.first('\\');
    if (first < 0)
        return shown;
    int start = first + 1; // where the next component to replace begins
    while (shown.len() > max) {
        const int end = shown.first('\\', start);
        if (end < 0)
            break; // only the last component is left
        shown = shown(0, start - 1) + ".." + shown.from(end);
        start += 3; // after the ".." and its backslash
    }
    return shown;
}

// ---------------------------------------------------------------------------------------------
// Transfer

int CApplFrameMgr::UpLoad_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0)
        return 1;
    m_iBusy = 1;
    if (AskSave() != kCancel && ConnectForCommand() != 0) {
        m_iBusy = 0;
        Upload();
    }
    m_iBusy = 0;
    RefreshTitle();
    return 1;
}

int CApplFrameMgr::Upload() {
    if (m_pTransfer == nullptr || m_pMainDialog == nullptr ||
        m_pTransfer->CompareScanner().is_empty())
        return 0;
    m_iBusy = 1;
    m_pTransfer->CheckSWVersion();
    {
        CTransferBox box(warn(kWarnUpload, 0));
        m_pTransfer->SetProgress([&box](int done, int total) { return box.Step(done, total); });
        m_pTransfer->DataFromScanner(m_pRepository, 0);
        m_pTransfer->SetProgress({});
    }
    // Only a complete upload replaced the set; otherwise the edits keep their mark.
    if (m_pTransfer->UploadComplete() != 0)
        ClearChanged();
    else if (m_pTransfer->Cancelled() != 0)
        CErrorHandler::show_data(warn(kWarnUploadCancelled, 0));
    ShowDialog();
    RefreshTitle();
    m_iBusy = 0;
    return m_pTransfer->UploadComplete();
}

int CApplFrameMgr::DownLoad_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0 || m_pTransfer == nullptr)
        return 1;
    m_iBusy = 1;
    StoreDialog();
    int mode = -1;
    if (std::unique_ptr<GwCore> dialog(GwRcMgr::load("Download Mode", Window())); dialog) {
        if (GwCore* choice = dialog->child("ID_MODE" + GwString(m_iDownloadMode)))
            choice->set_value(1);
        if (GwCore* label = dialog->child("ID_HLP_LABEL"))
            label->set_text(GwString(m_iDownloadMode));
        const int result = dialog->go();
        GwCore* label = dialog->child("ID_HLP_LABEL");
        if (result == kTakenOver && label != nullptr)
            mode = label->text().to_int();
    }
    if (mode >= 0 && mode <= 2) {
        m_iDownloadMode = mode;
        if (ConnectForCommand() != 0 && m_pMainDialog != nullptr &&
            m_pTransfer->CompareScanner().not_null()) {
            m_pTransfer->CheckSWVersion();
            Download(mode);
        }
    }
    m_iBusy = 0;
    RefreshTitle();
    return 1;
}

void CApplFrameMgr::Download(int mode) {
    const auto step = [](CTransferBox& box) {
        return [&box](int done, int total) { return box.Step(done, total); };
    };
    int sent = 0;
    {
        CTransferBox box(warn(kWarnDownload, 0));
        m_pTransfer->SetProgress(step(box));
        sent = m_pTransfer->Repo2Scanner(m_pRepository, 0);
        m_pTransfer->SetProgress({});
    }
    if (sent == 0) {
        // The scanner holds part of the set: the changes stay marked. A stop for a port or
        // reply was said while it happened.
        if (m_pTransfer->Cancelled() != 0)
            CErrorHandler::show_error(err(kErrDownloadCancelled, 0));
        return;
    }
    ClearChanged();
    int verified = 0;
    if (mode == 2) {
        DynGwStringPtrArray differs(10, 10);
        {
            CTransferBox box(warn(kWarnVerifying, 0));
            m_pTransfer->SetProgress(step(box));
            verified = m_pTransfer->VerifyScanner(m_pRepository, differs);
            m_pTransfer->SetProgress({});
        }
        if (verified == 0) {
            // The differences were listed; what the scanner holds is not made permanent.
            CErrorHandler::show_error(err(kErrNotStored, 0));
            return;
        }
    }
    GwString text = warn(verified != 0 ? kWarnVerified : kWarnSent, 0);
    if (mode >= 1) {
        m_pTransfer->parameter_set_storing(m_pRepository);
        text += "\n" + warn(kWarnStored, 0);
    }
    CErrorHandler::show_data(text);
}

int CApplFrameMgr::Compare_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& data) {
    StoreDialog();
    if (m_pFileIf == nullptr)
        return 1;
    std::vector<CParamCompare::Difference> differences;
    GwString other_title;
    if (data.text() == "FILE") {
        GwString name;
        const GwString last = CInitMgr::get_filename(0);
        GwFileSelector selector(Window(), GwPath::exists(last) != 0 ? last : GwString("."), "*.slp",
                                0, warn(kWarnOpenTitle, 0));
        if (selector.go(name) == 0)
            return 1;
        GwString code;
        if (CFileRepoIf::check_script_header(name, code) == 0)
            return 1;
        const GwString file_type = "ZEP" + code;
        if (file_type != m_sTypeName) {
            CErrorHandler::show_error(err(kErrOtherTypes, 1) + m_sTypeName + " / " + file_type);
            return 1;
        }
        if (CParamCompare::CompareWithScript(*m_pFileIf, name, differences) == 0)
            return 1;
        other_title = GwPath::file_part(name);
    } else {
        if (CParamCompare::CompareWithDefaults(*m_pFileIf, differences) == 0)
            return 1;
        other_title = warn(kWarnDefaultsTitle, 0);
    }
    // Each parameter with what it is: the first line of its control's tool tip
    // ("DCI: Repeat suppression time"), where the dialog has one.
    for (CParamCompare::Difference& d : differences) {
        GwCore* control = m_pMainDialog != nullptr && m_pMainDialog->Window() != nullptr
                              ? m_pMainDialog->Window()->child(d.m_sName)
                              : nullptr;
        const QString tip = control != nullptr && control->widget() != nullptr
                                ? control->widget()->toolTip().section('\n', 0, 0)
                                : QString();
        if (tip.startsWith(GwQt::qs(d.m_sName)))
            d.m_sName = GwQt::gs(tip);
    }
    const GwString current = GwPath::file_part(m_pFileIf->get_filename());
    CCompareDlgMgr list("Compare List", GwString(), CallbackTable(), Window());
    if (list.Window() == nullptr)
        return 1;
    list.SetList(differences, current.not_null() ? current : warn(kWarnCurrentValues, 0),
                 other_title);
    list.Window()->go();
    return 1;
}

int CApplFrameMgr::FactoryDefaults_CB(GwCore* /*window*/, GwEvent* /*event*/,
                                      const GwUD& /*data*/) {
    StoreDialog();
    if (AskSave() == kCancel)
        return 1;
    LoadFactoryDefaults();
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Terminal and port dialogs

int CApplFrameMgr::Terminal_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0 || m_pTransfer == nullptr)
        return 1;
    m_iBusy = 1;
    {
        CTerminal terminal("DlgTerminal", CInitMgr::program_dir() + "zepmain", CallbackTable(),
                           Window());
        if (GwCore* window = terminal.Window())
            window->go();
    }
    m_iBusy = 0;
    return 1;
}

int CApplFrameMgr::ChangeCom_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0)
        return 1;
    CComDlgMgr dialog("COM Parameter", CInitMgr::program_dir() + "zepmain", CallbackTable(),
                      Window());
    if (dialog.Window() != nullptr && dialog.Window()->go() == kTakenOver)
        Reconnect();
    return 1;
}

int CApplFrameMgr::AutoBaudDetect_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0)
        return 1;
    auto dialog = std::make_unique<CAutoBaudDlgMgr>(
        "Auto Baud Detect", CInitMgr::program_dir() + "zepmain", CallbackTable(), Window());
    if (dialog->Window() == nullptr || dialog->Window()->go() != kTakenOver)
        return 1;
    dialog.reset();
    if (Reconnect() == 0)
        return 1;
    GwString name = CParser::TranslateType(CScanRepoIf::ConnectedScanner(), 0, 2);
    if (name.is_empty())
        name = CScanRepoIf::ConnectedScanner();
    if (CErrorHandler::Question("AutoBaud Detect",
                                err(kErrFoundType, 0) + name + ".\n \n" + err(kErrSwitchType, 0),
                                kYesNo) == kYes)
        Adopt(1);
    return 1;
}

int CApplFrameMgr::Reconnect() {
    int connected = 0;
    {
        GwWaitObject wait;
        connected = m_pTransfer != nullptr ? m_pTransfer->initialize() : 0;
    }
    ShowPort();
    return connected;
}

// ---------------------------------------------------------------------------------------------
// Reports

int CApplFrameMgr::PrintSlpFile_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    StoreDialog();
    std::unique_ptr<GwCore> dialog(GwRcMgr::load("Printer Comment", Window()));
    if (dialog == nullptr)
        return 1;
    GwCore* comment = dialog->child("ID_COMMENT");
    if (comment != nullptr)
        comment->set_text(m_sPrinterComment);
    if (dialog->go() != kTakenOver)
        return 1; // cancelled: nothing is printed
    if (comment != nullptr)
        m_sPrinterComment = comment->text();
    dialog.reset();
    if (m_pPrintMgr == nullptr)
        return 1;
    m_pPrintMgr->SetComment(m_sPrinterComment);
    m_pPrintMgr->SetFilename(m_pFileIf != nullptr ? m_pFileIf->get_filename() : GwString());
    if (m_pPrintMgr->Repo2Printer(Window(), 0) > 0)
        CErrorHandler::show_data(err(kErrPrinted, 0));
    return 1;
}

int CApplFrameMgr::ExportRtf_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    StoreDialog();
    if (m_pFileIf == nullptr || m_pPrintMgr == nullptr)
        return 1;
    const GwString name = m_pPrintMgr->check_filename_rtf(Window());
    if (name.is_empty())
        return 1;
    const int written = m_pPrintMgr->repository_to_rtffile(name, 0);
    if (written > 0)
        CErrorHandler::show_data(warn(kWarnWritten, 1) + name);
    else if (written < 0)
        CErrorHandler::show_error(err(kErrWrite, 1) + name);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Options, help and closing

int CApplFrameMgr::ChangeLanguage_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    const GwString id = window != nullptr ? window->id() : GwString("000");
    if (id == CInitMgr::language())
        return 1;
    CInitMgr::set_language(id);
    CheckOne({"001", "049", "033"}, id);
    CErrorHandler::Info(warn(kWarnNextStart, 0));
    return 1;
}

int CApplFrameMgr::ChangeUnit_CB(GwCore* window, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (window == nullptr)
        return 1;
    CInitMgr::set_unit(window->id());
    CheckOne({"METRIC", "INCH"}, CInitMgr::GetUnit());
    return 1;
}

void CApplFrameMgr::CheckOne(std::initializer_list<const char*> ids, const GwString& checked) {
    for (const char* id : ids)
        if (GwCore* item = Child(id))
            item->set_value(checked == id ? 1 : 0);
}

int CApplFrameMgr::About_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (GwCore* about = Child("About"))
        about->go();
    return 1;
}

int CApplFrameMgr::Close_CB(GwCore* /*window*/, GwEvent* /*event*/, const GwUD& /*data*/) {
    if (m_iBusy != 0 || AskSave() == kCancel)
        return 1;
    if (g_pcoDriver != nullptr)
        g_pcoDriver->Enable(0);
    if (m_pMainDialog != nullptr && m_pMainDialog->Window() != nullptr)
        m_pMainDialog->Window()->hide();
    if (GwCore* main = Window())
        main->hide();
    return 1;
}
