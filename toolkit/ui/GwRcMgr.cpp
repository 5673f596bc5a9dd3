#include "GwRcMgr.h"

#include "GwCore.h"
#include "GwLanguage.h"
#include "GwPath.h"
#include "GwProfile.h"
#include "GwQt.h"
#include "GwUiLoader.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

GwRcMgr gw_def_mgr;

namespace {

struct ResourceFile {
    std::string path; // resolved
    GwProfile profile;
    int uses = 0;
};

std::vector<std::unique_ptr<ResourceFile>>& files() {
    static std::vector<std::unique_ptr<ResourceFile>> list;
    return list;
}

std::map<std::string, GwCallbackFn>& functions() {
    static std::map<std::string, GwCallbackFn> table;
    return table;
}

std::string file_key(const GwString& file) {
    GwString name = file;
    const GwString last = GwPath::file_part(name);
    if (last.first('.') < 0)
        name += ".cgw";
    return GwPath::resolve(name);
}

struct Binding {
    const char* property;
    GwCallbackKind kind;
};
constexpr Binding kBindings[] = {
    {"gwActivate", GwCB_ACTIVATE}, {"gwTimer", GwCB_TIMER}, {"gwShow", GwCB_SHOW},
    {"gwHide", GwCB_HIDE},         {"gwKey", GwCB_KEY},     {"gwClose", GwCB_CLOSE},
    {"gwMove", GwCB_MOVE},
};

void bind_object(QObject* o) {
    const QList<QByteArray> names = o->dynamicPropertyNames();
    if (names.isEmpty())
        return;
    GwCore* core = nullptr;
    for (const QByteArray& property : names) {
        if (!property.startsWith("gw"))
            continue; // Qt's own (for example _q_spinbox_lineedit)
        if (core == nullptr)
            core = GwCore::of(o);
        const QString value = o->property(property.constData()).toString();
        if (property == "gwData") {
            core->set_user_data(GwUD(GwQt::gs(value), core->user_data().pointer()));
            continue;
        }
        if (property == "gwFormat")
            continue; // read by GwCore::format_type
        const Binding* binding = nullptr;
        for (const Binding& b : kBindings)
            if (property == b.property)
                binding = &b;
        if (binding == nullptr) {
            qWarning("gw toolkit: %s: unknown property %s", qPrintable(o->objectName()),
                     property.constData());
            continue;
        }
        GwCallbackFn fn = GwRcMgr::function(GwQt::gs(value));
        if (fn == nullptr) {
            qWarning("gw toolkit: %s: %s names no registered callback \"%s\"",
                     qPrintable(o->objectName()), property.constData(), qPrintable(value));
            continue;
        }
        core->set_callback(GwCallback(binding->kind, fn));
    }
}

} // namespace

int GwRcMgr::use(const GwString& file) {
    const std::string key = file_key(file);
    auto& list = files();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->path == key) {
            ++(*it)->uses;
            std::rotate(list.begin(), it, it + 1); // most recently used first
            return 1;
        }
    }
    auto entry = std::make_unique<ResourceFile>();
    entry->path = key;
    entry->profile = GwProfile(GwString(key));
    if (!entry->profile.is_valid())
        return 0;
    entry->uses = 1;
    list.insert(list.begin(), std::move(entry));
    return 1;
}

int GwRcMgr::unuse(const GwString& file) {
    const std::string key = file_key(file);
    auto& list = files();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->path == key) {
            if (--(*it)->uses <= 0)
                list.erase(it);
            return 1;
        }
    }
    return 0;
}

int GwRcMgr::use_func_desc(const GwFuncDesc* table) {
    if (table == nullptr)
        return 0;
    int rows = 0;
    for (const GwFuncDesc* row = table; row->name != nullptr && row->name[0] != '\0'; ++row) {
        functions()[row->name] = row->function;
        ++rows;
    }
    return rows;
}

GwCallbackFn GwRcMgr::function(const GwString& name) {
    const auto it = functions().find(name.str());
    return it == functions().end() ? nullptr : it->second;
}

GwString GwRcMgr::layout_path(const GwString& name) {
    char lang[8];
    std::snprintf(lang, sizeof lang, "%03d", language() % 1000);
    const GwString sections[] = {GwString(lang), "001", "Resources"};
    for (const auto& file : files()) {
        GwProfile& profile = file->profile;
        for (const GwString& section : sections) {
            if (profile.set_section(section) == 0)
                continue;
            const GwString ui = profile.value(name, "");
            if (ui.is_empty())
                continue;
            const GwString dir = GwPath::directory_part(GwString(file->path));
            return GwString(GwPath::resolve(dir + ui));
        }
    }
    return GwString();
}

GwCore* GwRcMgr::load(const GwString& name, GwCore* parent) {
    const GwString path = layout_path(name);
    if (path.is_empty())
        return nullptr;
    QFile ui(GwQt::qs(path));
    if (!ui.open(QIODevice::ReadOnly)) {
        qWarning("gw toolkit: %s: cannot open %s", name.cc(), path.cc());
        return nullptr;
    }
    QWidget* parent_widget = nullptr;
    if (parent != nullptr) {
        parent_widget = parent->widget();
        if (parent_widget == nullptr && parent->frame() != nullptr)
            parent_widget = parent->frame()->widget();
    }
    GwUiLoader loader;
    loader.setWorkingDirectory(QFileInfo(ui).absoluteDir());
    QWidget* root = loader.load(&ui, parent_widget);
    if (root == nullptr) {
        qWarning("gw toolkit: %s: %s", name.cc(), qPrintable(loader.errorString()));
        return nullptr;
    }
    root->setObjectName(GwQt::qs(name));
    if (parent_widget != nullptr && !root->isWindow())
        root->hide(); // a view inside a window appears when the program shows it
    GwCore* core = GwCore::of(root);
    core->m_is_frame = true;
    bind(core);
    return core;
}

void GwRcMgr::bind(GwCore* root) {
    QObject* o = root != nullptr ? root->object() : nullptr;
    if (o == nullptr)
        return;
    bind_object(o);
    const QList<QObject*> all = o->findChildren<QObject*>();
    for (QObject* c : all)
        if (qobject_cast<QWidget*>(c) != nullptr || qobject_cast<QAction*>(c) != nullptr)
            bind_object(c);
}

int GwRcMgr::language() {
    return GwLanguage::number();
}

void GwRcMgr::set_language(int language) {
    GwLanguage::set_number(language);
}
