#include "GwPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool equal_nocase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool wildcard(const char* n, const char* p) {
    // Iterative glob match with backtracking to the last "*".
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n != '\0') {
        if (*p == '*') {
            star = p++;
            resume = n;
        } else if (*p == '?' || (*p != '\0' && std::tolower(static_cast<unsigned char>(*p)) ==
                                                   std::tolower(static_cast<unsigned char>(*n)))) {
            ++p;
            ++n;
        } else if (star != nullptr) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == '\0';
}

} // namespace

std::string GwPath::resolve(const GwString& path) {
    std::string p = path.str();
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.empty())
        return p;

    std::string result = p[0] == '/' ? "/" : "";
    size_t pos = 0;
    while (pos < p.size()) {
        size_t end = p.find('/', pos);
        if (end == std::string::npos)
            end = p.size();
        const std::string part = p.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty())
            continue;
        std::string chosen = part;
        const fs::path base = result.empty() ? fs::path(".") : fs::path(result);
        std::error_code ec;
        if (part != "." && part != ".." && !fs::exists(base / part, ec)) {
            for (fs::directory_iterator it(base, ec), stop; !ec && it != stop; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (equal_nocase(name, part)) {
                    chosen = name;
                    break;
                }
            }
        }
        if (!result.empty() && result.back() != '/')
            result += '/';
        result += chosen;
    }
    if (p.back() == '/' && !result.empty() && result.back() != '/')
        result += '/';
    return result;
}

int GwPath::exists(const GwString& path) {
    std::error_code ec;
    return !path.is_empty() && fs::exists(resolve(path), ec) ? 1 : 0;
}

int GwPath::is_file(const GwString& path) {
    std::error_code ec;
    return !path.is_empty() && fs::is_regular_file(resolve(path), ec) ? 1 : 0;
}

int GwPath::is_directory(const GwString& path) {
    std::error_code ec;
    return !path.is_empty() && fs::is_directory(resolve(path), ec) ? 1 : 0;
}

std::vector<GwString> GwPath::list(const GwString& directory, const GwString& pattern,
                                   bool directories_only) {
    std::vector<GwString> names;
    const std::string dir = directory.is_empty() ? std::string(".") : resolve(directory);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        if (directories_only && !it->is_directory(type_ec))
            continue;
        const std::string name = it->path().filename().string();
        if (matches(GwString(name), pattern))
            names.emplace_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const GwString& a, const GwString& b) { return a.compare(b) < 0; });
    return names;
}

int GwPath::matches(const GwString& name, const GwString& pattern) {
    return wildcard(name.cc(), pattern.cc()) ? 1 : 0;
}

GwString GwPath::file_part(const GwString& path) {
    const int cut = std::max(path.last('\\'), path.last('/'));
    return path.from(cut + 1);
}

GwString GwPath::directory_part(const GwString& path) {
    const int cut = std::max(path.last('\\'), path.last('/'));
    return path(0, cut);
}
