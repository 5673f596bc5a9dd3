// The interface language of the process: its number is the country calling code (49 German,
// 33 French; 1 and every other number English). The resource manager of the window toolkit
// reads and sets it; code without windows (profile reading, report templates) reads it here.
#pragma once

class GwLanguage {
public:
    static int number();
    static void set_number(int language);
};
