#include "GwLineReader.h"

#include "GwPath.h"

int GwLineReader::open(const GwString& path) {
    close();
    if (!GwPath::is_file(path))
        return 0;
    auto file = std::make_unique<std::ifstream>(GwPath::resolve(path), std::ios::binary);
    if (!file->is_open())
        return 0;
    m_in = std::move(file);
    return 1;
}

void GwLineReader::open_text(const std::string& text) {
    close();
    m_in = std::make_unique<std::istringstream>(text, std::ios::binary);
}

void GwLineReader::close() {
    m_in.reset();
    m_line_number = 0;
}

int GwLineReader::good() const {
    return m_in && m_in->good() && m_in->rdbuf()->sgetc() != std::char_traits<char>::eof() ? 1 : 0;
}

int GwLineReader::read_line(GwString& line) {
    line.clear();
    if (!m_in || !m_in->good())
        return 0;
    std::streambuf* buf = m_in->rdbuf();
    using traits = std::char_traits<char>;
    std::string text;
    int c = buf->sbumpc();
    if (c == traits::eof()) {
        m_in->setstate(std::ios::eofbit);
        return 0;
    }
    for (; c != traits::eof() && c != '\n'; c = buf->sbumpc()) {
        if (static_cast<int>(text.size()) < kMaxLine + 1) // one more, for a "\r" before "\n"
            text += static_cast<char>(c);
    }
    if (c == traits::eof())
        m_in->setstate(std::ios::eofbit);
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    if (static_cast<int>(text.size()) > kMaxLine)
        text.resize(kMaxLine);
    line = GwString(std::move(text));
    ++m_line_number;
    return 1;
}

void GwLineReader::rewind() {
    if (!m_in)
        return;
    m_in->clear();
    m_in->seekg(0);
    m_line_number = 0;
}
