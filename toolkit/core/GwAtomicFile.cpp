#include "GwAtomicFile.h"

#include "GwPath.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::atomic<long> g_fail_after{-1};
std::atomic<unsigned> g_counter{0};

} // namespace

void GwAtomicFile::fail_writes_after(long bytes) {
    g_fail_after = bytes;
}

GwAtomicFile::GwAtomicFile(const GwString& path)
    : m_target(GwPath::resolve(path)), m_fail_after(g_fail_after) {
    if (m_target.empty() || m_target.back() == '/')
        return;
    // Several tries in case a stale temporary of the same name is in the way.
    for (int attempt = 0; attempt < 8 && !m_out.is_open(); ++attempt) {
        m_temp = m_target + ".tmp" + std::to_string(++g_counter);
        std::error_code ec;
        if (std::filesystem::exists(m_temp, ec))
            continue;
        m_out.open(m_temp, std::ios::binary | std::ios::trunc);
    }
    if (!m_out.is_open())
        m_temp.clear();
}

GwAtomicFile::~GwAtomicFile() {
    discard();
}

int GwAtomicFile::commit() {
    if (!m_out.is_open())
        return 0;
    m_out.flush();
    const std::streamoff written = m_out.tellp();
    bool ok = m_out.good();
    m_out.close();
    ok = ok && !m_out.fail();
    if (m_fail_after >= 0 && written > m_fail_after)
        ok = false;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(m_temp, m_target, ec);
        ok = !ec;
    }
    if (!ok) {
        discard();
        return 0;
    }
    m_temp.clear();
    return 1;
}

void GwAtomicFile::discard() {
    if (m_out.is_open())
        m_out.close();
    if (!m_temp.empty()) {
        std::error_code ec;
        std::filesystem::remove(m_temp, ec);
        m_temp.clear();
    }
}
