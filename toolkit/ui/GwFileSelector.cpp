#include "GwFileSelector.h"

#include "GwCore.h"
#include "GwPath.h"
#include "GwQt.h"
#include "GwScriptedAnswers.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <cstring>

GwFileSelector::GwFileSelector(GwCore* parent, const GwString& start, const GwString& filter,
                               int save, const GwString& title)
    : m_parent(parent), m_start(start), m_filter(filter), m_save(save), m_title(title) {}

GwString GwFileSelector::start_location(const GwString& start) {
    if (start.is_empty() || start == ".")
        return GwQt::gs(QDir::currentPath());
    // "c:", "c:\\" or "c:\\..." : drive letters mean nothing here.
    if (start.len() >= 2 && start[1] == ':' &&
        ((start[0] >= 'a' && start[0] <= 'z') || (start[0] >= 'A' && start[0] <= 'Z'))) {
        const GwString rest = start.from(2);
        if (rest.len() > 1) {
            const QFileInfo info(QString::fromStdString(GwPath::resolve(rest)));
            if (info.exists())
                return GwQt::gs(info.absoluteFilePath());
        }
        return GwQt::gs(QDir::homePath());
    }
    QFileInfo info(QString::fromStdString(GwPath::resolve(start)));
    if (info.exists())
        return GwQt::gs(info.absoluteFilePath());
    for (QDir dir = info.absoluteDir(); !dir.isRoot(); dir.setPath(QFileInfo(dir.path()).path()))
        if (dir.exists())
            return GwQt::gs(dir.absolutePath());
    return GwQt::gs(QDir::currentPath());
}

GwString GwFileSelector::stored_form(const GwString& native_path) {
    QString p = QFileInfo(GwQt::qs(native_path)).absoluteFilePath();
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return GwQt::gs(p);
}

int GwFileSelector::go(GwString& path) {
    GwScriptedAnswers::Shown request;
    request.title = m_title;
    request.filter = m_filter;
    request.start = m_start;
    request.save = m_save;
    const int scripted = GwScriptedAnswers::file_requested(request, path);
    if (scripted >= 0)
        return scripted;

    QWidget* parent = nullptr;
    if (m_parent != nullptr) {
        GwCore* frame = m_parent->frame();
        parent = frame != nullptr ? frame->widget() : m_parent->widget();
    }
    QFileDialog dialog(parent, GwQt::qs(m_title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(m_save != 0 ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(m_save != 0 ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    if (!m_filter.is_empty()) {
        QString patterns = GwQt::qs(m_filter);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << patterns;
    }
    filters << QStringLiteral("All files (*)");
    dialog.setNameFilters(filters);
    const QFileInfo start(GwQt::qs(start_location(m_start)));
    if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return 0;
    path = stored_form(GwQt::gs(dialog.selectedFiles().first()));
    return 1;
}

int GwFileSelector::go(char* buffer, int size) {
    GwString path;
    if (buffer == nullptr || size <= 0 || go(path) == 0)
        return 0;
    if (path.len() >= size)
        return 0;
    std::memcpy(buffer, path.cc(), static_cast<std::size_t>(path.len()) + 1);
    return 1;
}
