#include "CTemplateFile.h"

#include "CErrorHandler.h"
#include "CInfoBox.h"
#include "GwAtomicFile.h"
#include "GwLineReader.h"

int CTemplateFile::write(const GwString& tpl, const GwString& file, const LineWriter& write) {
    GwLineReader in;
    if (!in.open(tpl)) {
        CErrorHandler::show_data(CErrorHandler::error_msg(50, 1) + tpl + "\n" +
                                 CErrorHandler::error_msg(51, 1) + file);
        return 0;
    }
    GwAtomicFile out(file);
    if (!out.is_open())
        return -1;
    {
        const CInfoBox box(CErrorHandler::warning(1, 1) + file);
        GwString line;
        while (out.stream().good() && in.read_line(line))
            write(out.stream(), line);
    }
    return out.commit() ? 1 : -1;
}
