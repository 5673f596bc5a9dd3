#include "GwExecute.h"

#include "GwPath.h"
#include "GwQt.h"

#include <QProcess>
#include <QStringList>

int GwExecute::start(const GwString& program, const std::vector<GwString>& arguments) {
    if (program.is_empty())
        return 0;
    QString exe = GwQt::qs(program);
    if (program.first('\\') >= 0 || program.first('/') >= 0)
        exe = QString::fromStdString(GwPath::resolve(program));
    QStringList args;
    for (const GwString& a : arguments)
        args << GwQt::qs(a);
    return QProcess::startDetached(exe, args) ? 1 : 0;
}
