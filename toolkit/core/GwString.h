// Text with copy semantics, the string type every part of the system passes around.
//
// Positions count from 0. A GwString may hold NUL characters (the report interpreter uses a
// text of exactly one NUL as its empty-line marker), so its length is not strlen(cc()).
//
// Out-of-range positions never read or write outside the text. The rules:
//   s(from, to)     the characters from..to, both included, after clamping from to 0 and to to
//                   len()-1; empty when the clamped range is empty ("abc"(1, 9) == "bc",
//                   "abc"(5, 9) == "", "abc"(2, 1) == "").
//   s[i]            the character at i, or '\0' when i is outside the text.
//   remove(from,to) removes the clamped range; nothing when it is empty.
//   first/last      -1 when the pattern is empty or does not occur.
#pragma once

#include <string>

class GwString {
public:
    GwString() = default;
    GwString(const char* text); // NOLINT: implicit on purpose, texts are written as literals
    GwString(const char* text, int length);
    GwString(const std::string& text); // NOLINT
    GwString(std::string&& text);      // NOLINT
    explicit GwString(int number);     // decimal text
    explicit GwString(long number);    // decimal text
    GwString(char c, int count);       // c repeated count times (none when count <= 0)

    int len() const { return static_cast<int>(m_s.size()); }
    int is_empty() const { return m_s.empty() ? 1 : 0; }
    int not_null() const { return m_s.empty() ? 0 : 1; }
    const char* cc() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    // 0 when equal, otherwise -1 or 1 by byte order (bytes compared as unsigned).
    int compare(const GwString& other) const;
    bool operator==(const GwString& other) const { return m_s == other.m_s; }
    bool operator!=(const GwString& other) const { return m_s != other.m_s; }
    bool operator==(const char* other) const { return *this == GwString(other); }
    bool operator!=(const char* other) const { return !(*this == other); }

    // Position of the first / last occurrence at or after / at or before start, or -1.
    int first(const GwString& pattern, int start = 0) const;
    int first(char c, int start = 0) const;
    int last(const GwString& pattern) const;
    int last(char c) const;
    int contains(const GwString& pattern) const { return first(pattern) >= 0 ? 1 : 0; }
    int begins_with(const GwString& prefix) const;
    int ends_with(const GwString& suffix) const;

    GwString operator()(int from, int to) const; // inclusive substring, clamped
    char operator[](int index) const;            // '\0' outside the text
    GwString from(int pos) const { return (*this)(pos, len() - 1); }

    GwString operator+(const GwString& other) const;
    GwString operator+(const char* other) const { return *this + GwString(other); }
    GwString operator+(char c) const;
    GwString& operator+=(const GwString& other);
    GwString& operator+=(const char* other) { return *this += GwString(other); }
    GwString& operator+=(char c);
    GwString& append(const GwString& other) { return *this += other; }
    GwString& prepend(const GwString& other);
    GwString& remove(int from, int to); // inclusive range, clamped
    void clear() { m_s.clear(); }

    GwString& make_upper();
    GwString to_upper() const;
    GwString& make_lower();
    GwString to_lower() const;
    // Removes the run of c at the end of the text ("abc  " with ' ' gives "abc").
    GwString& EraseTrailingChars(char c);

    // Walks a separated list. Skips leading separators (any character of separators), returns
    // the text up to the next separator and leaves in this string the rest, starting at that
    // separator; at the end this string is empty. "a;;b".token(";") gives "a", leaves ";;b";
    // the next call gives "b" and leaves "".
    GwString token(const GwString& separators);

    // Fields split at one character, counted from 0. An empty text has no field; otherwise the
    // count is the number of separators plus one ("a;;b" has 3 fields, "a;" has 2).
    // GetToken of a field that does not exist is empty.
    int GetTokenCount(char separator) const;
    GwString GetToken(int index, char separator) const;

    // Leading decimal number (optional blanks and sign first), as atoi/atol read it; 0 for other
    // text. Values beyond the type's range are clamped to it.
    int to_int() const;
    long to_long() const;

    // Replaces the text by the printf-formatted result; returns the new length.
    int Put(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

private:
    std::string m_s;
};

GwString operator+(const char* left, const GwString& right);

// atoi / atol / strlen on C strings without their undefined cases: a null pointer gives 0 and an
// out-of-range number is clamped.
int GwAtoi(const char* text);
long GwAtol(const char* text);
int GwStrlen(const char* text);
