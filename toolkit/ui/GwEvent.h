// What made the toolkit call a callback. Key events carry the typed character and flag bits;
// GwKEY_CHAR (0x1000) is set when the key press produced a character (letters, digits,
// punctuation), and clear for keys without one (cursor keys, function keys).
#pragma once

enum GwEventType {
    GwNO_EVENT = 0,
    GwACTIVATE,    // button pressed, menu item chosen, list entry chosen, value edited
    GwTIMER,       // the element's timer fired
    GwSHOW,        // the element was shown
    GwHIDE,        // the element was hidden
    GwCLOSE,       // the user asked to close the window
    GwMOVE,        // the window was moved
    GwSINGLE_CHAR, // a key was pressed on the element
};

constexpr unsigned GwKEY_CHAR = 0x1000;

class GwEvent {
public:
    explicit GwEvent(GwEventType type, char character = '\0', unsigned flags = 0)
        : m_type(type), m_character(character), m_flags(flags) {}

    GwEventType type() const { return m_type; }
    char character() const { return m_character; }
    unsigned flags() const { return m_flags; }

private:
    GwEventType m_type;
    char m_character;
    unsigned m_flags;
};
