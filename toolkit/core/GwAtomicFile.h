// Writes a file the user keeps (settings, scripts, reports, logs) so that a failed write never
// destroys the previous file: the text goes to a temporary file beside the target, which
// replaces the target only when commit() finds that everything was written.
//
//   GwAtomicFile out("c:\\data\\set.slp");
//   if (!out.is_open()) ...          // the temporary file could not be created
//   out.stream() << "line\n";
//   if (!out.commit()) ...           // nothing replaced; the old file is as it was
// A GwAtomicFile destroyed without commit() removes its temporary file.
#pragma once

#include "GwString.h"

#include <fstream>
#include <string>

class GwAtomicFile {
public:
    explicit GwAtomicFile(const GwString& path); // path resolved with GwPath
    ~GwAtomicFile();

    GwAtomicFile(const GwAtomicFile&) = delete;
    GwAtomicFile& operator=(const GwAtomicFile&) = delete;

    int is_open() const { return m_out.is_open() ? 1 : 0; }
    std::ostream& stream() { return m_out; }
    const std::string& target() const { return m_target; }

    // Flushes, closes and renames the temporary file over the target: 1 when done. On any
    // failure the temporary file is removed, the target is untouched and the result is 0.
    int commit();
    // Removes the temporary file; the target is untouched.
    void discard();

    // Test support: every GwAtomicFile created afterwards fails its commit once more than
    // `bytes` bytes were written to it, as a full disk or a pulled USB stick would. -1 (the
    // default) turns the fault off.
    static void fail_writes_after(long bytes);

private:
    std::string m_target;
    std::string m_temp;
    std::ofstream m_out;
    long m_fail_after;
};
