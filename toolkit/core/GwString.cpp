#include "GwString.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

long long parse_leading_number(const char* p) {
    if (p == nullptr)
        return 0;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value < LLONG_MAX / 20)
            value = value * 10 + (*p - '0');
        ++p;
    }
    return negative ? -value : value;
}

template <typename T>
T clamp_to(long long v) {
    return static_cast<T>(
        std::clamp<long long>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

} // namespace

GwString::GwString(const char* text) : m_s(text != nullptr ? text : "") {}

GwString::GwString(const char* text, int length) {
    if (text != nullptr && length > 0)
        m_s.assign(text, static_cast<size_t>(length));
}

GwString::GwString(const std::string& text) : m_s(text) {}

GwString::GwString(std::string&& text) : m_s(std::move(text)) {}

GwString::GwString(int number) : m_s(std::to_string(number)) {}

GwString::GwString(long number) : m_s(std::to_string(number)) {}

GwString::GwString(char c, int count) {
    if (count > 0)
        m_s.assign(static_cast<size_t>(count), c);
}

int GwString::compare(const GwString& other) const {
    const int r = m_s.compare(other.m_s);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int GwString::first(const GwString& pattern, int start) const {
    if (pattern.m_s.empty() || start >= len())
        return -1;
    const size_t p = m_s.find(pattern.m_s, static_cast<size_t>(std::max(start, 0)));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int GwString::first(char c, int start) const {
    if (start >= len())
        return -1;
    const size_t p = m_s.find(c, static_cast<size_t>(std::max(start, 0)));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int GwString::last(const GwString& pattern) const {
    if (pattern.m_s.empty())
        return -1;
    const size_t p = m_s.rfind(pattern.m_s);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int GwString::last(char c) const {
    const size_t p = m_s.rfind(c);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int GwString::begins_with(const GwString& prefix) const {
    return m_s.compare(0, prefix.m_s.size(), prefix.m_s) == 0 ? 1 : 0;
}

int GwString::ends_with(const GwString& suffix) const {
    if (suffix.m_s.size() > m_s.size())
        return 0;
    return m_s.compare(m_s.size() - suffix.m_s.size(), suffix.m_s.size(), suffix.m_s) == 0 ? 1 : 0;
}

GwString GwString::operator()(int from, int to) const {
    from = std::max(from, 0);
    to = std::min(to, len() - 1);
    if (from > to)
        return GwString();
    return GwString(m_s.substr(static_cast<size_t>(from), static_cast<size_t>(to - from + 1)));
}

char GwString::operator[](int index) const {
    if (index < 0 || index >= len())
        return '\0';
    return m_s[static_cast<size_t>(index)];
}

GwString GwString::operator+(const GwString& other) const {
    return GwString(m_s + other.m_s);
}

GwString GwString::operator+(char c) const {
    return GwString(m_s + c);
}

GwString& GwString::operator+=(const GwString& other) {
    m_s += other.m_s;
    return *this;
}

GwString& GwString::operator+=(char c) {
    m_s += c;
    return *this;
}

GwString& GwString::prepend(const GwString& other) {
    m_s.insert(0, other.m_s);
    return *this;
}

GwString& GwString::remove(int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, len() - 1);
    if (from <= to)
        m_s.erase(static_cast<size_t>(from), static_cast<size_t>(to - from + 1));
    return *this;
}

GwString& GwString::make_upper() {
    for (char& c : m_s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

GwString GwString::to_upper() const {
    GwString copy(*this);
    return copy.make_upper();
}

GwString& GwString::make_lower() {
    for (char& c : m_s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

GwString GwString::to_lower() const {
    GwString copy(*this);
    return copy.make_lower();
}

GwString& GwString::EraseTrailingChars(char c) {
    const size_t keep = m_s.find_last_not_of(c);
    m_s.erase(keep == std::string::npos ? 0 : keep + 1);
    return *this;
}

GwString GwString::token(const GwString& separators) {
    const std::string& sep = separators.m_s;
    const size_t begin = m_s.find_first_not_of(sep);
    if (begin == std::string::npos) {
        m_s.clear();
        return GwString();
    }
    const size_t end = m_s.find_first_of(sep, begin);
    GwString result(m_s.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
    if (end == std::string::npos)
        m_s.clear();
    else
        m_s.erase(0, end);
    return result;
}

int GwString::GetTokenCount(char separator) const {
    if (m_s.empty())
        return 0;
    return static_cast<int>(std::count(m_s.begin(), m_s.end(), separator)) + 1;
}

GwString GwString::GetToken(int index, char separator) const {
    if (index < 0 || m_s.empty())
        return GwString();
    size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        const size_t p = m_s.find(separator, begin);
        if (p == std::string::npos)
            return GwString();
        begin = p + 1;
    }
    const size_t end = m_s.find(separator, begin);
    return GwString(m_s.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
}

int GwString::to_int() const {
    return GwAtoi(m_s.c_str());
}

long GwString::to_long() const {
    return GwAtol(m_s.c_str());
}

int GwString::Put(const char* format, ...) {
    if (format == nullptr) {
        m_s.clear();
        return 0;
    }
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(again);
        m_s.clear();
        return 0;
    }
    std::string buffer(static_cast<size_t>(needed) + 1, '\0');
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    va_end(again);
    buffer.resize(static_cast<size_t>(needed));
    m_s = std::move(buffer);
    return needed;
}

GwString operator+(const char* left, const GwString& right) {
    return GwString(left) + right;
}

int GwAtoi(const char* text) {
    return clamp_to<int>(parse_leading_number(text));
}

long GwAtol(const char* text) {
    return clamp_to<long>(parse_leading_number(text));
}

int GwStrlen(const char* text) {
    return text == nullptr ? 0 : static_cast<int>(std::strlen(text));
}
