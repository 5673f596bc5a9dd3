#include "CSimOptions.h"

#include "CSimScanner.h"

#include <climits>

namespace {

GwString trimmed(const GwString& text) {
    int from = 0;
    int to = text.len() - 1;
    while (from <= to && (text[from] == ' ' || text[from] == '\t'))
        ++from;
    while (to >= from && (text[to] == ' ' || text[to] == '\t'))
        --to;
    return text(from, to);
}

// A whole decimal number from 0 to max; 1 when it is one.
int read_number(const GwString& text, long max, long& value) {
    const GwString t = trimmed(text);
    if (t.is_empty() || t.len() > 10)
        return 0;
    long v = 0;
    for (int i = 0; i < t.len(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return 0;
        v = v * 10 + (t[i] - '0');
    }
    if (v > max)
        return 0;
    value = v;
    return 1;
}

int read_switch(const GwString& text, bool& value) {
    const GwString t = trimmed(text).to_lower();
    if (t == "on" || t == "1" || t == "yes" || t == "true") {
        value = true;
        return 1;
    }
    if (t == "off" || t == "0" || t == "no" || t == "false") {
        value = false;
        return 1;
    }
    return 0;
}

// Printable ASCII only, 1 to 64 characters: it goes into a reply frame.
int is_reply_text(const GwString& text) {
    if (text.is_empty() || text.len() > 64)
        return 0;
    for (int i = 0; i < text.len(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E)
            return 0;
    }
    return 1;
}

} // namespace

int CSimOptions::ParseLine(const GwString& text, CLineSettings& line) {
    if (text.GetTokenCount(',') != 4)
        return 0;
    long b = 0;
    long d = 0;
    long s = 0;
    const GwString p = trimmed(text.GetToken(1, ',')).to_upper();
    if (!read_number(text.GetToken(0, ','), 1000000, b) ||
        !read_number(text.GetToken(2, ','), 9, d) || !read_number(text.GetToken(3, ','), 9, s))
        return 0;
    const bool baudOk = b == 300 || b == 600 || b == 1200 || b == 2400 || b == 4800 || b == 9600 ||
                        b == 19200 || b == 38400;
    if (!baudOk || p.len() != 1 || (p[0] != 'N' && p[0] != 'E' && p[0] != 'O') ||
        (d != 7 && d != 8) || (s != 1 && s != 2))
        return 0;
    line = CLineSettings(static_cast<int>(b), p[0], static_cast<int>(d), static_cast<int>(s));
    return 1;
}

int CSimOptions::Set(const GwString& key, const GwString& value, GwString& error) {
    const GwString k = trimmed(key).to_lower();
    long n = 0;
    bool b = false;
    auto number = [&](long max, long& target) {
        if (!read_number(value, max, n)) {
            error = k + ": not a number: " + value;
            return 0;
        }
        target = n;
        return 1;
    };
    auto small = [&](long max, int& target) {
        long v = 0;
        if (!number(max, v))
            return 0;
        target = static_cast<int>(v);
        return 1;
    };
    auto flag = [&](bool& target) {
        if (!read_switch(value, b)) {
            error = k + ": not on or off: " + value;
            return 0;
        }
        target = b;
        return 1;
    };

    if (k == "line") {
        if (!ParseLine(value, m_oLine)) {
            error = "line: not settings the scanner can use: " + value;
            return 0;
        }
        m_bLineGiven = true;
        return 1;
    }
    if (k == "model" || k == "version") {
        const GwString text = trimmed(value);
        if (!is_reply_text(text)) {
            error = k + ": 1 to 64 printable characters expected: " + value;
            return 0;
        }
        (k == "model" ? m_sModel : m_sVersion) = text;
        return 1;
    }
    if (k == "delay")
        return small(600000, m_iDelayMs);
    if (k == "wire")
        return flag(m_bWireTime);
    if (k == "lose")
        return small(INT_MAX, m_iLoseEvery);
    if (k == "garble")
        return small(INT_MAX, m_iGarbleEvery);
    if (k == "garble-value")
        return small(INT_MAX, m_iGarbleValueEvery);
    if (k == "flood")
        return small(INT_MAX, m_iFloodEvery);
    if (k == "slow")
        return small(INT_MAX, m_iSlowEvery);
    if (k == "slowdelay")
        return small(600000, m_iSlowMs);
    if (k == "nostop")
        return small(INT_MAX, m_iNoStopEvery);
    if (k == "long")
        return small(INT_MAX, m_iLongEvery);
    if (k == "vanish-commands")
        return number(LONG_MAX, m_lVanishCommands);
    if (k == "vanish-bytes")
        return number(LONG_MAX, m_lVanishBytes);
    if (k == "garbage")
        return flag(m_bGarbage);
    if (k == "store")
        return small(600000, m_iStoreMs);
    if (k == "refuse") {
        const GwString name = trimmed(value).to_upper();
        for (const GwString& known : CSimScanner::Keys()) {
            if (known == name) {
                m_sRefuseKey = name;
                return 1;
            }
        }
        error = "refuse: not a parameter of the scanner: " + value;
        return 0;
    }
    if (k == "memory") {
        const GwString path = trimmed(value);
        if (path.is_empty()) {
            error = "memory: a file name expected";
            return 0;
        }
        m_sMemoryFile = path;
        return 1;
    }
    error = "unknown option: " + trimmed(key);
    return 0;
}

int CSimOptions::Parse(const GwString& text, GwString& error) {
    const int count = text.GetTokenCount(';');
    for (int i = 0; i < count; ++i) {
        const GwString segment = text.GetToken(i, ';');
        if (trimmed(segment).is_empty())
            continue;
        const int eq = segment.first('=');
        const int ok = eq < 0 ? Set("line", segment, error)
                              : Set(segment(0, eq - 1), segment.from(eq + 1), error);
        if (!ok)
            return 0;
    }
    return 1;
}
