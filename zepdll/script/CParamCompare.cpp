#include "CParamCompare.h"

#include "CErrorHandler.h"
#include "CFileRepoIf.h"
#include "CInfoBox.h"
#include "CInitMgr.h"
#include "EwRepository.h"

#include <algorithm>
#include <memory>

namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
int columns(const GwString& text) {
    int n = 0;
    for (int i = 0; i < text.len(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

GwString padded(const GwString& text, int width) {
    return text + GwString(' ', std::max(0, width - columns(text)));
}

} // namespace

std::vector<CParamCompare::Difference> CParamCompare::Differences(const EwRepository& repository) {
    std::vector<Difference> out;
    const std::unique_ptr<DynGwStringPtrArray> groups(repository.list_of_names());
    for (int g = 0; g < groups->count(); ++g) {
        const std::unique_ptr<DynGwStringPtrArray> names(
            repository.list_of_param_names(*groups->get(g)));
        for (int i = 0; names && i < names->count(); ++i) {
            const GwString& name = *names->get(i);
            if (repository.value(name, 1) != repository.prf_value(name, 1))
                out.push_back({name, repository.value(name, 0), repository.prf_value(name, 0)});
        }
    }
    return out;
}

int CParamCompare::CompareWithDefaults(CFileRepoIf& files, std::vector<Difference>& out) {
    out.clear();
    const EwRepository* repository = files.repository();
    if (repository == nullptr)
        return 0;
    const GwString path = CInitMgr::scanner_sub_dir() + "3PRF1";
    if (files.commandfile_to_repository(path, 1) != 1) {
        CErrorHandler::show_error(CErrorHandler::error_msg(5, 1) + path);
        return 0;
    }
    out = Differences(*repository);
    return 1;
}

int CParamCompare::CompareWithScript(CFileRepoIf& files, const GwString& file,
                                     std::vector<Difference>& out) {
    out.clear();
    const EwRepository* repository = files.repository();
    if (repository == nullptr)
        return 0;
    GwMessageBox* raw = nullptr;
    const int loaded = files.scriptfile_to_repository(file, raw, 1);
    CInfoBox box = CInfoBox::adopt(raw);
    if (loaded != 1)
        return 0;
    out = Differences(*repository);
    return 1;
}

GwString CParamCompare::Table(const std::vector<Difference>& differences,
                              const GwString& name_title, const GwString& value_title,
                              const GwString& other_title) {
    int name_width = columns(name_title);
    int value_width = columns(value_title);
    for (const Difference& d : differences) {
        name_width = std::max(name_width, columns(d.m_sName));
        value_width = std::max(value_width, columns(d.m_sValue));
    }
    GwString text = padded(name_title, name_width + 2) + padded(value_title, value_width + 2) +
                    other_title + "\n";
    for (const Difference& d : differences)
        text += padded(d.m_sName, name_width + 2) + padded(d.m_sValue, value_width + 2) +
                d.m_sOther + "\n";
    return text;
}
