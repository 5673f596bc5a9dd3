#include "CSimScanner.h"

#include "GwAtomicFile.h"
#include "GwProfile.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned char kStx = 0x02;
constexpr unsigned char kEtx = 0x03;

// How a parameter's value travels.
enum class Kind {
    Code,   // one of a list of codes of fixed length
    Char,   // any one character 0x21 to 0x7E
    Number, // decimal, 1 to width digits, within bounds
    Quoted, // "text", 0 to width characters
    Hex     // hex pairs, at most two characters, closed by 00
};

struct Param {
    const char* key;
    Kind kind;
    int width;           // coded length (Quoted: characters of text; Hex: characters)
    const char* codes;   // Code: the codes separated by ","; Quoted: the allowed characters
    long lo, hi;         // Number: bounds
    long ex1, ex2;       // Number: excluded values (-1: none)
    const char* factory; // coded factory value
};

// The scanner's parameter table, in memory order (the reading rules follow DC).
const Param kParams[] = {
    {"RCL", Kind::Code, 2, "01,02,03,04,05,06,07,08,09,10", 0, 0, -1, -1, "01"},
    {"DCC", Kind::Code, 1, "1,2,3,4,5,6,7,8,9", 0, 0, -1, -1, "2"},
    {"DCI", Kind::Number, 4, nullptr, 0, 9999, -1, -1, "0500"},
    {"DCL", Kind::Code, 1, "S,F,R", 0, 0, -1, -1, "S"},
    {"DCO", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"ROT", Kind::Number, 4, nullptr, 300, 1200, 1000, 1100, "0800"},
    {"ROR", Kind::Code, 1, "0,1,2,3", 0, 0, -1, -1, "0"},
    {"ROS", Kind::Code, 1, "0,1,2,3", 0, 0, -1, -1, "2"},
    {"LTD", Kind::Code, 1, "0,1,2,3,4", 0, 0, -1, -1, "0"},
    {"LTT", Kind::Code, 1, "E,L,C", 0, 0, -1, -1, "E"},
    {"LTM", Kind::Number, 5, nullptr, 0, 60000, -1, -1, "02000"},
    {"CVA", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"CVI", Kind::Quoted, 48, nullptr, 0, 0, -1, -1, "\"\""},
    {"CVM", Kind::Quoted, 48, "P?@", 0, 0, -1, -1, "\"\""},
    {"CVO", Kind::Code, 1, "A,M,N", 0, 0, -1, -1, "A"},
    {"HIS", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"HIP", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"HIT", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"HIA", Kind::Number, 2, nullptr, 1, 31, -1, -1, "01"},
    {"H0B", Kind::Code, 1, "0,1,2,3,4,5,6,7", 0, 0, -1, -1, "5"},
    {"H0F", Kind::Code, 1, "A,B,C,D,E,F,G,H,I,J,K,L", 0, 0, -1, -1, "A"},
    {"H0T", Kind::Code, 1, "0,1,2,3,4", 0, 0, -1, -1, "3"},
    {"H0E", Kind::Quoted, 24, nullptr, 0, 0, -1, -1, "\"NOREAD\""},
    {"H0C", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"H1B", Kind::Code, 1, "0,1,2,3,4,5,6,7", 0, 0, -1, -1, "5"},
    {"H1F", Kind::Code, 1, "A,B,C,D,E,F,G,H,I,J,K,L", 0, 0, -1, -1, "A"},
    {"H1T", Kind::Code, 1, "0,1,2,3,4", 0, 0, -1, -1, "3"},
    {"H1E", Kind::Code, 1, "0,1,2,3", 0, 0, -1, -1, "0"},
    {"H2E", Kind::Code, 1, "0,1,2,3", 0, 0, -1, -1, "0"},
    {"GN", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "1"},
    {"BT", Kind::Code, 1, "0,1,2,3,4", 0, 0, -1, -1, "3"},
    {"FD", Kind::Number, 4, nullptr, 10, 2000, -1, -1, "0100"},
    {"LKC", Kind::Code, 1, "0,2,3,4", 0, 0, -1, -1, "0"},
    {"LKS", Kind::Char, 1, nullptr, 0, 0, -1, -1, "/"},
    {"K1E", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K1C", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"K1N", Kind::Number, 2, nullptr, 1, 48, -1, -1, "01"},
    {"K1X", Kind::Number, 2, nullptr, 1, 48, -1, -1, "48"},
    {"K1F", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K1S", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K2E", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K2C", Kind::Code, 1, "0,1,2", 0, 0, -1, -1, "0"},
    {"K2N", Kind::Number, 2, nullptr, 2, 64, -1, -1, "04"},
    {"K2X", Kind::Number, 2, nullptr, 2, 64, -1, -1, "32"},
    {"K3E", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K3N", Kind::Number, 2, nullptr, 1, 64, -1, -1, "01"},
    {"K3X", Kind::Number, 2, nullptr, 1, 64, -1, -1, "64"},
    {"K3G", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K3F", Kind::Hex, 2, nullptr, 0, 0, -1, -1, "1D00"},
    {"K4A", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K4B", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K4C", Kind::Code, 1, "0,1", 0, 0, -1, -1, "1"},
    {"K4D", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K4S", Kind::Code, 1, "0,1,2,3", 0, 0, -1, -1, "0"},
    {"K5E", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K5N", Kind::Number, 2, nullptr, 1, 48, -1, -1, "04"},
    {"K5X", Kind::Number, 2, nullptr, 1, 48, -1, -1, "48"},
    {"K5S", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K6E", Kind::Code, 1, "0,1", 0, 0, -1, -1, "0"},
    {"K6N", Kind::Number, 2, nullptr, 1, 48, -1, -1, "01"},
    {"K6X", Kind::Number, 2, nullptr, 1, 48, -1, -1, "48"},
};

// The fields of a reading rule in reply order, and their factory values.
const char kRuleFields[] = "OLUDCSAH";
const char* const kRuleFactory[] = {"00", "01-99", "00", "0", "0", "0", "0", "0"};
constexpr int kRules = 10;

// Reading-rate results the simulated evaluation reports in turn (it has no optics).
const char* const kRates[] = {"087", "093", "000", "100", "072"};
const char* const kEvaluatedCode = "4006381333931";

// H0B codes to baud rates, H0F codes to formats (data bits, parity, stop bits).
const int kBauds[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
const char* const kFormats[] = {"8N1", "8E1", "8O1", "8N2", "8E2", "8O2",
                                "7N1", "7E1", "7O1", "7N2", "7E2", "7O2"};

const Param* find_param(const std::string& key) {
    for (const Param& p : kParams) {
        if (key == p.key)
            return &p;
    }
    return nullptr;
}

// The parameter whose key begins the command (no key begins another).
const Param* key_at_start(const std::string& command) {
    for (const Param& p : kParams) {
        if (command.compare(0, std::strlen(p.key), p.key) == 0)
            return &p;
    }
    return nullptr;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The byte of an upper-case hex pair at pos, or -1.
int hex_pair(const std::string& s, size_t pos) {
    if (pos + 2 > s.size())
        return -1;
    const int hi = hex_digit(s[pos]);
    const int lo = hex_digit(s[pos + 1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

bool in_list(const char* list, const std::string& code) {
    // The codes of a list all have the same length; compare field by field.
    const char* p = list;
    while (*p) {
        const char* end = std::strchr(p, ',');
        const size_t n = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (code.size() == n && code.compare(0, n, p, n) == 0)
            return true;
        if (!end)
            break;
        p = end + 1;
    }
    return false;
}

// The coded form of a written value, or false when the value does not fit.
bool coded_value(const Param& p, const std::string& value, std::string& coded) {
    switch (p.kind) {
    case Kind::Code:
        if (!in_list(p.codes, value))
            return false;
        coded = value;
        return true;
    case Kind::Char:
        if (value.size() != 1 || value[0] < 0x21 || value[0] > 0x7E)
            return false;
        coded = value;
        return true;
    case Kind::Number: {
        if (value.empty() || static_cast<int>(value.size()) > p.width)
            return false;
        long n = 0;
        for (char c : value) {
            if (!is_digit(c))
                return false;
            n = n * 10 + (c - '0');
        }
        if (n < p.lo || n > p.hi || n == p.ex1 || n == p.ex2)
            return false;
        coded = std::string(p.width - value.size(), '0') + value;
        return true;
    }
    case Kind::Quoted: {
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            return false;
        const std::string text = value.substr(1, value.size() - 2);
        if (static_cast<int>(text.size()) > p.width)
            return false;
        for (char c : text) {
            if (c < 0x20 || c > 0x7E || c == '"')
                return false;
            if (p.codes && !std::strchr(p.codes, c))
                return false;
        }
        coded = value;
        return true;
    }
    case Kind::Hex: {
        // Pairs up to the pair 00 or the end; what follows the 00 is ignored.
        std::string pairs;
        size_t pos = 0;
        while (pos < value.size()) {
            const int b = hex_pair(value, pos);
            if (b < 0)
                return false;
            if (b == 0)
                break;
            if (static_cast<int>(pairs.size()) / 2 >= p.width)
                return false;
            pairs += value.substr(pos, 2);
            pos += 2;
        }
        coded = pairs + "00";
        return true;
    }
    }
    return false;
}

// The reply form of a coded value: key, then the value as the scanner shows it.
std::string reply_of(const Param& p, const std::string& coded) {
    switch (p.kind) {
    case Kind::Number: {
        size_t first = coded.find_first_not_of('0');
        return std::string(p.key) + "=" + (first == std::string::npos ? "0" : coded.substr(first));
    }
    case Kind::Hex:
        return std::string(p.key) + "=" + coded;
    default:
        return std::string(p.key) + coded;
    }
}

// Reads the value of rule field f at pos; gives the position after it, or 0 when it does not
// fit.
size_t rule_field(const std::string& s, size_t pos, char f, std::string& value) {
    auto digits = [&](size_t at, size_t n) {
        if (at + n > s.size())
            return false;
        for (size_t i = 0; i < n; ++i) {
            if (!is_digit(s[at + i]))
                return false;
        }
        return true;
    };
    auto one_of = [&](const char* allowed) -> size_t {
        if (pos >= s.size() || !std::strchr(allowed, s[pos]) || s[pos] == '\0')
            return 0;
        value = s.substr(pos, 1);
        return pos + 1;
    };
    switch (f) {
    case 'O': {
        if (!digits(pos, 2))
            return 0;
        const int type = (s[pos] - '0') * 10 + (s[pos + 1] - '0');
        if (type > 10)
            return 0;
        value = s.substr(pos, 2);
        return pos + 2;
    }
    case 'L': {
        if (!digits(pos, 2) || pos + 5 > s.size())
            return 0;
        const int from = (s[pos] - '0') * 10 + (s[pos + 1] - '0');
        if (from < 1)
            return 0;
        if (s.compare(pos + 2, 3, "___") != 0) {
            if (s[pos + 2] != '-' || !digits(pos + 3, 2))
                return 0;
            const int to = (s[pos + 3] - '0') * 10 + (s[pos + 4] - '0');
            if (to < from)
                return 0;
        }
        value = s.substr(pos, 5);
        return pos + 5;
    }
    case 'U': {
        // "00", or one character and "00", or two characters; characters 0x01 to 0x7F.
        const int first = hex_pair(s, pos);
        if (first < 0 || first > 0x7F)
            return 0;
        if (first == 0) {
            value = "00";
            return pos + 2;
        }
        const int second = hex_pair(s, pos + 2);
        if (second < 0 || second > 0x7F)
            return 0;
        value = s.substr(pos, 4);
        return pos + 4;
    }
    case 'D':
    case 'A':
    case 'H':
        return one_of("012");
    case 'C':
        return one_of("0123");
    case 'S':
        return one_of("012345");
    default:
        return 0;
    }
}

std::string rule_key(int rule, char field) {
    std::string key = "L";
    key += static_cast<char>('0' + rule);
    key += field;
    return key;
}

std::vector<GwString> make_keys() {
    std::vector<GwString> keys;
    for (const Param& p : kParams) {
        keys.emplace_back(p.key);
        if (std::strcmp(p.key, "DCO") == 0) {
            for (int r = 0; r < kRules; ++r) {
                for (const char* f = kRuleFields; *f; ++f)
                    keys.emplace_back(rule_key(r, *f));
            }
        }
    }
    return keys;
}

const std::map<std::string, std::string>& factory() {
    static const std::map<std::string, std::string> memory = [] {
        std::map<std::string, std::string> m;
        for (const Param& p : kParams)
            m[p.key] = p.factory;
        for (int r = 0; r < kRules; ++r) {
            for (int f = 0; kRuleFields[f]; ++f)
                m[rule_key(r, kRuleFields[f])] = kRuleFactory[f];
        }
        return m;
    }();
    return memory;
}

bool nth(int every, long count) {
    return every > 0 && count % every == 0;
}

// Where the value of a reply begins: after a parameter's key (and "="), after "L" and a rule
// number; 0 for any other reply.
size_t value_start(const std::string& reply) {
    if (const Param* p = key_at_start(reply)) {
        const size_t key = std::strlen(p->key);
        return key < reply.size() && reply[key] == '=' ? key + 1 : key;
    }
    return reply.size() >= 2 && reply[0] == 'L' && is_digit(reply[1]) ? 2 : 0;
}

} // namespace

CSimScanner::CSimScanner(const CSimOptions& options) : m_options(options) {
    m_permanent = factory();
    if (m_options.m_sMemoryFile.not_null()) {
        GwProfile file(m_options.m_sMemoryFile);
        if (file.is_valid()) // a missing file is a scanner that never stored anything
            load_profile(file, m_permanent);
    }
    if (m_options.m_bLineGiven) {
        // Explicit line settings are the scanner's port settings from the start.
        for (int b = 0; b < 8; ++b) {
            if (kBauds[b] == m_options.m_oLine.m_iBaud)
                m_permanent["H0B"] = std::string(1, static_cast<char>('0' + b));
        }
        for (int f = 0; f < 12; ++f) {
            const char* fmt = kFormats[f];
            const CLineSettings format(m_options.m_oLine.m_iBaud, fmt[1], fmt[0] - '0',
                                       fmt[2] - '0');
            if (format == m_options.m_oLine)
                m_permanent["H0F"] = std::string(1, static_cast<char>('A' + f));
        }
    }
    power_up();
}

void CSimScanner::power_up() {
    m_working = m_permanent;
    const int b = m_permanent["H0B"][0] - '0';
    const int f = m_permanent["H0F"][0] - 'A';
    const char* fmt = f >= 0 && f < 12 ? kFormats[f] : "8N1";
    m_oLine = CLineSettings(b >= 0 && b < 8 ? kBauds[b] : 9600, fmt[1], fmt[0] - '0', fmt[2] - '0');
    m_bInFrame = false;
    m_bTooLong = false;
    m_sFrame.clear();
    m_iError = 0;
    m_bChanged = false;
    m_bEvaluating = false;
    m_iRateIndex = 0;
    m_lCommands = 0;
    m_lBytes = 0;
    m_lReplies = 0;
    m_lValueGarbles = 0;
    m_bVanished = false;
}

void CSimScanner::PowerCycle() {
    power_up();
}

void CSimScanner::SetHostLine(const CLineSettings& host) {
    if (host != m_oHost) {
        m_bInFrame = false;
        m_sFrame.clear();
    }
    m_oHost = host;
}

int CSimScanner::LineMatches() const {
    // What a pseudo-terminal cannot carry is taken as the scanner's own.
    CLineSettings host = m_oHost;
    if (host.m_cParity == '\0')
        host.m_cParity = m_oLine.m_cParity;
    if (host.m_iDataBits == 0)
        host.m_iDataBits = m_oLine.m_iDataBits;
    return host == m_oLine ? 1 : 0;
}

int CSimScanner::Receive(unsigned char byte, Output& out) {
    if (m_bVanished)
        return 0;
    ++m_lBytes;
    int done = 0;
    if (byte == kStx) {
        m_bInFrame = true;
        m_bTooLong = false;
        m_sFrame.clear();
    } else if (byte == kEtx) {
        if (m_bInFrame) {
            m_bInFrame = false;
            if (!LineMatches()) {
                // Not understood at these settings.
                if (m_options.m_bGarbage) {
                    out = make_garbage(m_sFrame);
                    done = 1;
                }
            } else if (m_bTooLong) {
                m_iError = 1;
            } else if (!m_sFrame.empty()) {
                m_iBusyMs = 0;
                const GwString reply = Execute(m_sFrame);
                out = reply.not_null() ? make_reply(reply.str()) : Output();
                out.iBusyMs = m_iBusyMs;
                done = 1;
                ++m_lCommands;
                if (m_options.m_lVanishCommands > 0 && m_lCommands >= m_options.m_lVanishCommands)
                    m_bVanished = true;
            }
            m_sFrame.clear();
        }
    } else if (m_bInFrame) {
        if (static_cast<int>(m_sFrame.size()) < kMaxFrame)
            m_sFrame += static_cast<char>(byte);
        else
            m_bTooLong = true;
    }
    if (m_options.m_lVanishBytes > 0 && m_lBytes >= m_options.m_lVanishBytes)
        m_bVanished = true;
    return done;
}

CSimScanner::Output CSimScanner::make_reply(const std::string& text) {
    Output out;
    out.iDelayMs = m_options.m_iDelayMs;
    ++m_lReplies;
    if (nth(m_options.m_iLoseEvery, m_lReplies))
        return out; // lost on the way
    std::string body = text;
    if (nth(m_options.m_iLongEvery, m_lReplies)) {
        while (static_cast<int>(body.size()) < kLongReply)
            body += '.';
    }
    if (nth(m_options.m_iGarbleEvery, m_lReplies)) {
        for (char& c : body) {
            auto g = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ 0x10);
            if (g < 0x20 || g == 0x7F)
                g = '?'; // never a framing byte
            c = static_cast<char>(g);
        }
    }
    if (nth(m_options.m_iGarbleValueEvery, m_lReplies)) {
        const size_t from = value_start(text);
        if (from < body.size()) {
            const size_t back = static_cast<size_t>(m_lValueGarbles++) % (body.size() - from);
            body[body.size() - 1 - back] = static_cast<char>(body[body.size() - 1 - back] | 0x80);
        }
    }
    const bool flood = nth(m_options.m_iFloodEvery, m_lReplies);
    if (flood)
        body = std::string(kFloodBytes, '#');
    out.sBytes = static_cast<char>(kStx) + body;
    if (!flood && !nth(m_options.m_iNoStopEvery, m_lReplies))
        out.sBytes += static_cast<char>(kEtx);
    if (nth(m_options.m_iSlowEvery, m_lReplies))
        out.iDelayMs += m_options.m_iSlowMs;
    return out;
}

CSimScanner::Output CSimScanner::make_garbage(const std::string& frame) const {
    // What a host at other settings makes of the scanner's characters: bytes with the high bit
    // set, never a framing byte and never the letters of a model name.
    Output out;
    out.iDelayMs = m_options.m_iDelayMs;
    const std::string heard = static_cast<char>(kStx) + frame + static_cast<char>(kEtx);
    for (char c : heard)
        out.sBytes += static_cast<char>((static_cast<unsigned char>(c) ^ 0x55) | 0x80);
    return out;
}

GwString CSimScanner::Execute(const GwString& command) {
    const std::string& c = command.str();
    if (c.empty())
        return GwString();
    if (c[0] == 'W')
        return query(c);
    if (c.compare(0, 2, "A0") == 0) {
        if (c.size() == 2)
            return evaluation_reply();
        m_iError = 2;
        return GwString();
    }
    if (c[0] == 'M' && c.size() >= 2 && c[1] >= '0' && c[1] <= '2') {
        if (c.size() != 2) {
            m_iError = 2;
        } else if (c[1] == '0') {
            m_working = m_permanent;
            m_bChanged = false;
        } else if (c[1] == '1') {
            m_working = factory();
            m_bChanged = true;
        } else {
            store_permanently();
        }
        return GwString();
    }
    if (c.compare(0, 2, "UC") == 0) {
        if (c == "UC0") {
            m_bEvaluating = false;
        } else if (c == "UC1") {
            if (!m_bEvaluating) {
                m_bEvaluating = true;
                m_iRateIndex = 0;
            }
        } else {
            m_iError = 2;
        }
        return GwString();
    }
    const bool rule = c[0] == 'L' && c.size() >= 2 && is_digit(c[1]);
    if (rule || key_at_start(c)) {
        if (refused(c))
            m_iError = 2;
        else if (rule ? write_rule(m_working, c) : write_key(m_working, c))
            m_bChanged = true;
        else
            m_iError = 2;
        return GwString();
    }
    m_iError = 1;
    return GwString();
}

std::string CSimScanner::query(const std::string& command) {
    const std::string rest = command.substr(1);
    if (rest == "0")
        return m_options.m_sModel.str() + " " + m_options.m_sVersion.str();
    if (rest == "1")
        return m_bChanged ? "U1" : "U0";
    if (rest == "UC")
        return m_bEvaluating ? "UC1" : "UC0";
    if (rest == "ER") {
        char text[8];
        std::snprintf(text, sizeof text, "ER%02d", m_iError);
        m_iError = 0;
        return text;
    }
    if (const Param* p = find_param(rest))
        return reply_of(*p, m_working[p->key]);
    if (rest.size() >= 2 && rest.size() <= 3 && rest[0] == 'L' && is_digit(rest[1])) {
        if (rest.size() == 2)
            return rule_reply(rest[1] - '0', '\0');
        if (rest[2] != '\0' && std::strchr(kRuleFields, rest[2]))
            return rule_reply(rest[1] - '0', rest[2]);
    }
    m_iError = 1;
    return "?" + command;
}

std::string CSimScanner::rule_reply(int rule, char field) const {
    std::string reply = "L";
    reply += static_cast<char>('0' + rule);
    for (const char* f = kRuleFields; *f; ++f) {
        // The code type always; then the field asked for, or all of them.
        if (*f == 'O' || field == '\0' || *f == field)
            reply += *f + m_working.at(rule_key(rule, *f));
    }
    return reply;
}

std::string CSimScanner::evaluation_reply() {
    if (!m_bEvaluating)
        return "A0---%";
    const char* rate = kRates[m_iRateIndex];
    m_iRateIndex = (m_iRateIndex + 1) % static_cast<int>(sizeof kRates / sizeof kRates[0]);
    std::string reply = std::string("A0") + rate + "%";
    if (std::strcmp(rate, "000") != 0)
        reply += std::string(" ") + kEvaluatedCode;
    return reply;
}

bool CSimScanner::refused(const std::string& command) const {
    const std::string& key = m_options.m_sRefuseKey.str();
    if (key.empty())
        return false;
    // Tried on a copy: refused when the write would change the key's value.
    Memory trial = m_working;
    const bool rule = command[0] == 'L';
    if (!(rule ? write_rule(trial, command) : write_key(trial, command)))
        return false;
    const auto before = m_working.find(key);
    return before != m_working.end() && trial[key] != before->second;
}

int CSimScanner::write_key(Memory& memory, const std::string& command) {
    const Param* p = key_at_start(command);
    if (!p)
        return 0;
    std::string coded;
    if (!coded_value(*p, command.substr(std::strlen(p->key)), coded))
        return 0;
    memory[p->key] = coded;
    return 1;
}

int CSimScanner::write_rule(Memory& memory, const std::string& command) {
    // "L", the rule number, "O" and the code type, then any fields; checked whole before
    // anything changes, applied left to right.
    if (command.size() < 3 || command[0] != 'L' || !is_digit(command[1]) || command[2] != 'O')
        return 0;
    const int rule = command[1] - '0';
    std::vector<std::pair<char, std::string>> fields;
    size_t pos = 2;
    while (pos < command.size()) {
        const char f = command[pos];
        if (!std::strchr(kRuleFields, f) || f == '\0')
            return 0;
        std::string value;
        const size_t next = rule_field(command, pos + 1, f, value);
        if (next == 0)
            return 0;
        fields.emplace_back(f, value);
        pos = next;
    }
    for (const auto& [f, value] : fields)
        memory[rule_key(rule, f)] = value;
    return 1;
}

void CSimScanner::store_permanently() {
    m_permanent = m_working;
    m_bChanged = false;
    m_iBusyMs = m_options.m_iStoreMs;
    if (m_options.m_sMemoryFile.is_empty())
        return;
    GwAtomicFile file(m_options.m_sMemoryFile);
    if (file.is_open())
        file.stream() << MemoryText();
    if (!file.is_open() || !file.commit())
        std::fprintf(stderr, "simulated scanner: cannot write the memory file %s\n",
                     m_options.m_sMemoryFile.cc());
}

const std::vector<GwString>& CSimScanner::Keys() {
    static const std::vector<GwString> keys = make_keys();
    return keys;
}

GwString CSimScanner::Value(const GwString& key) const {
    const auto it = m_working.find(key.str());
    return it == m_working.end() ? GwString() : GwString(it->second);
}

GwString CSimScanner::StoredValue(const GwString& key) const {
    const auto it = m_permanent.find(key.str());
    return it == m_permanent.end() ? GwString() : GwString(it->second);
}

GwString CSimScanner::FactoryValue(const GwString& key) {
    const auto it = factory().find(key.str());
    return it == factory().end() ? GwString() : GwString(it->second);
}

int CSimScanner::SetValue(const GwString& key, const GwString& coded) {
    const std::string& k = key.str();
    if (k.size() == 3 && k[0] == 'L' && is_digit(k[1]) && std::strchr(kRuleFields, k[2]) &&
        k[2] != '\0') {
        // A rule field goes in with the rule's code type in front, as the program sends it.
        std::string command = k.substr(0, 2) + "O" + m_working[k.substr(0, 2) + "O"];
        command += k[2] + coded.str();
        return write_rule(m_working, command);
    }
    if (!find_param(k))
        return 0;
    return write_key(m_working, k + coded.str());
}

std::string CSimScanner::MemoryText() const {
    std::string text = "; Permanent parameter memory of a simulated " + m_options.m_sModel.str() +
                       " scanner, written by \"M2\".\n[Memory]\n";
    for (const GwString& key : Keys())
        text += key.str() + "=" + m_permanent.at(key.str()) + "\n";
    return text;
}

int CSimScanner::LoadMemoryText(const std::string& text) {
    GwProfile file;
    file.load_text(text);
    return load_profile(file, m_permanent);
}

int CSimScanner::load_profile(GwProfile& file, Memory& memory) {
    if (!file.set_section("Memory"))
        return 0;
    int taken = 0;
    for (int i = 0; i < file.value_count(); ++i) {
        const std::string key = file.name(i).to_upper().str();
        const std::string value = file.value(i).str();
        if (key.size() == 3 && key[0] == 'L' && is_digit(key[1]) && key[2] != '\0' &&
            std::strchr(kRuleFields, key[2])) {
            std::string parsed;
            if (!value.empty() && rule_field(value, 0, key[2], parsed) == value.size()) {
                memory[key] = parsed;
                ++taken;
            }
        } else if (find_param(key)) {
            taken += write_key(memory, key + value);
        }
    }
    return taken;
}
