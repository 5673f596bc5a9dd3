// Reads a text file line by line the way every reader of the system does: at most
// kMaxLine (1023) characters a line. A longer line is cut there; the rest of that line is
// skipped and the next read returns the next line. Line ends "\n" and "\r\n" are removed.
#pragma once

#include "GwString.h"

#include <fstream>
#include <memory>
#include <sstream>

class GwLineReader {
public:
    static constexpr int kMaxLine = 1023;

    GwLineReader() = default;
    explicit GwLineReader(const GwString& path) { open(path); }

    // Opens an existing file (the path is resolved with GwPath); never creates one.
    int open(const GwString& path);
    // Reads from a text in memory instead of a file.
    void open_text(const std::string& text);
    void close();

    int is_open() const { return m_in ? 1 : 0; }
    // 1 while a further read may give a line.
    int good() const;
    // The next line into line; 0 at the end (line is then empty).
    int read_line(GwString& line);
    // Back to the first line.
    void rewind();
    // Number of lines read since opening or the last rewind.
    int line_number() const { return m_line_number; }

private:
    std::unique_ptr<std::istream> m_in;
    int m_line_number = 0;
};
