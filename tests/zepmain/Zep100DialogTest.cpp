// The ZEP100 parameter dialog as the program loads it, in English, German and French: every
// parameter has exactly one control, values go through the controls unchanged, and editing one
// control changes exactly its parameter.
#include "CHelpManager.h"
#include "CInitMgr.h"
#include "DialogTestSupport.h"
#include "DynGwStringPtrArray.h"
#include "EwCtrlVw.h"
#include "EwPage.h"
#include "GwStringPrint.h"
#include "LanguageGuard.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<GwString> parameter_names(const EwRepository& repo) {
    std::vector<GwString> out;
    std::unique_ptr<DynGwStringPtrArray> groups(repo.list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        std::unique_ptr<DynGwStringPtrArray> names(repo.list_of_param_names(*groups->get(g)));
        for (int i = 0; names != nullptr && i < names->count(); ++i)
            out.push_back(*names->get(i));
    }
    return out;
}

// Every coded value, by name.
std::map<std::string, std::string> coded_values(const EwRepository& repo) {
    std::map<std::string, std::string> out;
    for (const GwString& name : parameter_names(repo))
        out[name.str()] = repo.value(name, 1).str();
    return out;
}

// Gives every parameter another allowed value: the first of its list items, its bounds or a
// few texts that the parameter takes and that differs from its value.
void change_every_value(EwRepository& repo) {
    for (const GwString& name : parameter_names(repo)) {
        std::vector<GwString> candidates;
        const GwString type = repo.type(name);
        if (type.begins_with("ENUMERATED") || type == "BOOLEAN") {
            const DynGwStringPtrArray* items = repo.range(name, 0);
            for (int i = 0; items != nullptr && i < items->count(); ++i)
                candidates.push_back(*items->get(i));
        }
        const GwString bounds = repo.bounds(name);
        for (int i = 0; i < bounds.GetTokenCount(','); ++i)
            candidates.push_back(bounds.GetToken(i, ','));
        for (const char* text : {"7", "X", "4100"})
            candidates.push_back(text);
        const GwString before = repo.value(name, 1);
        for (const GwString& c : candidates)
            if (repo.set_value(name, c, 0) == 1 && repo.value(name, 1) != before)
                break;
    }
}

class Zep100Dialog : public testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_NE(dialog.window(), nullptr); }

    LanguageGuard language{GetParam()};
    std::unique_ptr<EwRepository> repo = zep100_repository();
    DialogUnderTest dialog{repo.get()};
};

TEST_P(Zep100Dialog, EveryValueGoesThroughItsControlUnchanged) {
    ASSERT_EQ(dialog->ShowDialog(), 1); // every factory default is shown as it is
    auto other = zep100_repository();
    change_every_value(*other);
    const auto defaults = coded_values(*repo);
    const auto changed = coded_values(*other);
    ASSERT_EQ(defaults.size(), 141u);
    for (const auto& [name, value] : changed)
        ASSERT_NE(value, defaults.at(name)) << name << ": no other value found";

    // The other values shown and read back into their repository: nothing changes.
    DialogUnderTest second(other.get());
    ASSERT_EQ(second->ShowDialog(), 1);
    other->ResetChanged();
    EXPECT_EQ(second->StoreDialog(), 1);
    EXPECT_EQ(other->HasChanged(), 0);
    EXPECT_EQ(coded_values(*other), changed);

    // The factory defaults read from the controls into that repository: all of them arrive.
    for (int p = 0; p < dialog->Pages().count(); ++p)
        EXPECT_EQ(dialog->Pages().get(p)->StorePage(other.get()), 1);
    EXPECT_EQ(coded_values(*other), defaults);
    // Storing what is shown changes nothing: no question about saving for nothing.
    EXPECT_EQ(dialog->StoreDialog(), 1);
    EXPECT_EQ(repo->HasChanged(), 0);
}

TEST_P(Zep100Dialog, EditingOneControlOfEachKindChangesExactlyItsParameter) {
    struct Row {
        const char* name;
        std::function<void(GwCore*)> edit;
        const char* coded;
    };
    const Row rows[] = {
        {"RCL", [](GwCore* c) { c->select_item(2); }, "03"},
        {"H0T", [](GwCore* c) { c->select_item(0); }, "0"},
        {"DCI", [](GwCore* c) { c->set_text("750"); }, "0750"},
        {"L7U", [](GwCore* c) { c->set_text("A B"); }, "4142"},
        {"K5E", [](GwCore* c) { c->set_value(1); }, "1"},
        {"DCL", [](GwCore* c) { c->child("R")->set_value(1); }, "R"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(dialog->ShowDialog(), 1);
        const auto before = coded_values(*repo);
        row.edit(dialog.child(row.name));
        EXPECT_EQ(dialog->StoreDialog(), 1);
        std::map<std::string, std::string> differences;
        for (const auto& [name, value] : coded_values(*repo))
            if (value != before.at(name))
                differences[name] = value;
        EXPECT_EQ(differences, (std::map<std::string, std::string>{{row.name, row.coded}}));
    }
}

// Walks the layout both ways: each control of a value names a parameter of the profile and is
// bound, and each parameter has exactly one control, with its name in the tooltip and, outside
// the rules table, a label. And every page has its help.
TEST_P(Zep100Dialog, EveryParameterHasExactlyOneLabelledControl) {
    std::map<std::string, int> controls;
    std::map<const QWidget*, std::string> labelled;
    for (GwCore* c : dialog.window()->descendants())
        if (auto* label = qobject_cast<QLabel*>(c->widget()); label && label->buddy())
            labelled[label->buddy()] = label->text().toStdString();
    for (GwCore* c : dialog.window()->descendants()) {
        const GwClassId cls = c->class_id();
        bool radios = false;
        for (const GwCore* b : c->children())
            radios = radios || qobject_cast<QRadioButton*>(b->widget()) != nullptr;
        const bool check = qobject_cast<QCheckBox*>(c->widget()) != nullptr;
        if (cls != GwCOMBOBOX_CLASS && cls != GwSPINBUTTON_CLASS && cls != GwEDITBUTTON_CLASS &&
            !check && !(cls == GwCONTAINER_CLASS && radios))
            continue;
        const std::string id = c->id().str();
        SCOPED_TRACE(id);
        ++controls[id];
        EXPECT_FALSE(repo->type(c->id()).is_empty()) << "no such parameter";
        EXPECT_NE(GwCtrlVw::WrapperOf(c), nullptr) << "not bound";
        EXPECT_EQ(c->widget()->toolTip().toStdString().rfind(id + ": ", 0), 0u);
        const bool in_rules = c->parent() != nullptr && c->parent()->id() == "RULES";
        if (cls == GwCOMBOBOX_CLASS) { // as wide as its longest item, even where room is short
            EXPECT_GE(c->widget()->minimumWidth(), c->widget()->sizeHint().width());
        }
        if (!check && !in_rules) {
            EXPECT_FALSE(labelled[c->widget()].empty()) << "no label";
        }
    }
    for (const GwString& name : parameter_names(*repo))
        EXPECT_EQ(controls[name.str()], 1) << name.str();
    EXPECT_EQ(controls.size(), 141u);

    // Tab goes through the rules row by row, then to the page's help.
    EXPECT_EQ(dialog.child("L0H")->widget()->nextInFocusChain(), dialog.child("L1O")->widget());
    EXPECT_EQ(dialog.child("L9H")->widget()->nextInFocusChain(),
              dialog.child("HELP_READING")->widget());

    // The variables the program reads when the type is chosen.
    CInitMgr::set_scanner_specific_variables(dialog.window());
    EXPECT_EQ(CInitMgr::SelectedScanner() + "|" + CInitMgr::GetValidSWVersion(), "RV-4400|V2.13");
    EXPECT_TRUE(CHelpManager::HelpSubDir.begins_with("help\\ZEP100\\"));
    CInitMgr::reset_scanner_specific_variables();

    // Each page has a help button whose page exists in the language.
    const std::string help =
        std::string(ZEP_PROGRAM_DIR "/help/ZEP100/") + (GetParam() == 49   ? "deut/"
                                                        : GetParam() == 33 ? "fran/"
                                                                           : "engl/");
    int buttons = 0;
    for (GwCore* c : dialog.window()->descendants()) {
        if (c->callback(GwCB_ACTIVATE) != GwRcMgr::function("CHelpManager::ContextHelp"))
            continue;
        ++buttons;
        EXPECT_TRUE(std::filesystem::exists(help + c->user_data().text().str())) << c->id().str();
    }
    EXPECT_EQ(buttons, dialog->Pages().count());
}

std::string language_name(const testing::TestParamInfo<int>& language) {
    return language.param == 49 ? "German" : language.param == 33 ? "French" : "English";
}

INSTANTIATE_TEST_SUITE_P(Languages, Zep100Dialog, testing::Values(1, 49, 33), language_name);

} // namespace
