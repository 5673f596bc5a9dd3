// An RGB colour for element texts and backgrounds ("black on white", the terminal's grey).
#pragma once

class GwColor {
public:
    constexpr GwColor(int red = 0, int green = 0, int blue = 0)
        : m_red(red), m_green(green), m_blue(blue) {}

    constexpr int red() const { return m_red; }
    constexpr int green() const { return m_green; }
    constexpr int blue() const { return m_blue; }
    constexpr bool operator==(const GwColor& o) const {
        return m_red == o.m_red && m_green == o.m_green && m_blue == o.m_blue;
    }

    static constexpr GwColor black() { return GwColor(0, 0, 0); }
    static constexpr GwColor white() { return GwColor(255, 255, 255); }

private:
    int m_red;
    int m_green;
    int m_blue;
};
