#include "CLineSettings.h"

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The parity, data bit and stop bit characters of a settings text ('\0' where missing).
void characters(const GwString& text, char& parity, char& data, char& stop) {
    const int comma = text.first(',');
    auto at = [&text](int pos) { return pos >= 0 && pos < text.len() ? text[pos] : '\0'; };
    parity = upper(at(comma + 1));
    data = at(comma + 3);
    stop = at(comma + 5);
}

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace

CLineSettings CLineSettings::Parse(const GwString& text) {
    char parity = '\0';
    char data = '\0';
    char stop = '\0';
    characters(text, parity, data, stop);
    return CLineSettings(GwAtoi(text.cc()), parity, digit(data), digit(stop));
}

GwString CLineSettings::ModeText(const GwString& port, const GwString& text) {
    char parity = '\0';
    char data = '\0';
    char stop = '\0';
    characters(text, parity, data, stop);
    auto text_of = [](char c) { return c != '\0' ? GwString(c, 1) : GwString(); };
    return port + ": baud=" + GwString(GwAtoi(text.cc())) + " parity=" + text_of(parity) +
           " data=" + text_of(data) + " stop=" + text_of(stop);
}

int CLineSettings::IsValid() const {
    const char p = upper(m_cParity);
    const bool parityOk = p == 'N' || p == 'E' || p == 'O' || p == 'M' || p == 'S';
    return m_iBaud > 0 && parityOk && m_iDataBits >= 5 && m_iDataBits <= 8 &&
                   (m_iStopBits == 1 || m_iStopBits == 2)
               ? 1
               : 0;
}

int CLineSettings::CharBits() const {
    return 1 + m_iDataBits + (upper(m_cParity) == 'N' ? 0 : 1) + m_iStopBits;
}

long long CLineSettings::WireMs(long long count) const {
    if (m_iBaud <= 0 || count <= 0)
        return 0;
    return (count * CharBits() * 1000 + m_iBaud - 1) / m_iBaud;
}

GwString CLineSettings::Text() const {
    const GwString parity = m_cParity != '\0' ? GwString(m_cParity, 1) : GwString();
    return GwString(m_iBaud) + "," + parity + "," + GwString(m_iDataBits) + "," +
           GwString(m_iStopBits);
}

bool CLineSettings::operator==(const CLineSettings& other) const {
    return m_iBaud == other.m_iBaud && upper(m_cParity) == upper(other.m_cParity) &&
           m_iDataBits == other.m_iDataBits && m_iStopBits == other.m_iStopBits;
}
