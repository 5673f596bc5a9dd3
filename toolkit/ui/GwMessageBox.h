// A message box: a text, a bitmap and a set of buttons, run modally (go) or shown without
// buttons while a step runs (show, then delete it).
//
// Buttons are chosen by a set of bits and give these result codes, which the system relies on:
//   GwMB_OK     0x20     result 6     label "OK"
//   GwMB_YES    0x200    result 10    label "Yes"
//   GwMB_NO     0x4000   result 17    label "No"
//   GwMB_CANCEL 0x10000  result 15    label "Cancel"
// so the sets the system passes are 32 (OK), 0x4200 (Yes, No), 0x14200 (Yes, No, Cancel) and
// 16416 (OK and No, the No button relabelled for a second choice). Buttons appear in the
// order OK, Yes, No, Cancel, as buttons() lists them. Closing the box without a button
// (Escape, the window's close button) gives Cancel's code when the set has Cancel, else No's,
// else OK's.
//
// Bitmaps: "mb_stop" (error), "mb_info" (information), "mb_quest" (question), "mb_excl"
// (warning); any other name shows none.
//
//   GwMessageBox box(frame, "File written", "ZEP Data: ", GwMB_OK, "mb_info");
//   int code = box.go();            // 6
#pragma once

#include "GwDialogFrame.h"

#include <vector>

class QLabel;
class QPushButton;

constexpr long GwMB_OK = 0x20;
constexpr long GwMB_YES = 0x200;
constexpr long GwMB_NO = 0x4000;
constexpr long GwMB_CANCEL = 0x10000;

constexpr int GwMB_RESULT_OK = 6;
constexpr int GwMB_RESULT_YES = 10;
constexpr int GwMB_RESULT_CANCEL = 15;
constexpr int GwMB_RESULT_NO = 17;

// Frame decoration bits (set_frame_decoration): 0x400 keeps the box above other windows.
constexpr long GwFD_ON_TOP = 0x400;

class GwMessageBox : public GwDialogFrame {
public:
    struct Button {
        long bit;
        int result;
        GwString label;
        bool is_default;
    };

    explicit GwMessageBox(GwCore* parent = nullptr, const GwString& text = GwString(),
                          const GwString& title = GwString(), long buttons = 0,
                          const GwString& bitmap = GwString());
    ~GwMessageBox() override = default;

    // The message text (the title is GwCore::title).
    GwString text() const override;
    void set_text(const GwString& text) override;

    void set_bitmap(const GwString& name);
    const GwString& bitmap() const { return m_bitmap; }

    // Replaces the buttons by the set; labels set before for a bit in the set are kept.
    void set_buttons(long set);
    long button_set() const { return m_set; }
    void set_default_button(long bit);
    long default_button() const { return m_default; }
    void set_button_text(long bit, const GwString& label);
    GwString button_text(long bit) const; // empty when the set has no such button
    std::vector<Button> buttons() const;  // in the order shown
    // Presses a button as the user would; 0 when the set has no such button.
    int press(long bit);

    void set_style(int style) { m_style = style; }
    int style() const { return m_style; }
    void set_frame_decoration(long flags);
    long frame_decoration() const { return m_decoration; }

    // The code a box gives when it is closed without a button.
    int neutral_result() const;
    static int result_of(long bit);

    int go() override;

protected:
    void on_shown() override;

private:
    QPushButton* button(long bit) const;
    void rebuild_buttons();

    QLabel* m_icon;
    QLabel* m_label;
    QWidget* m_button_row;
    GwString m_bitmap;
    long m_set = 0;
    long m_default = 0;
    int m_style = 0;
    long m_decoration = 0;
    GwString m_labels[4];
};
