// A drawing device with world coordinates: the common part of the toolkit's devices (the
// printer, GwPrinterDCEx). A caller fixes a world rectangle that covers the whole device and
// draws texts at world points; fonts and alignment are set beforehand, as on a pen plotter.
//
//   dc.set_font(GwFont("8.Courier"));
//   dc.text_extent("abc", w, h);          // device units, measured with the device's own
//                                         // font metrics (a printer's, not the screen's)
//   dc.set_wc_rect(-7, -7, 93, 60);       // world (-7,-7) is the device's top-left corner,
//                                         // (93, 60) its bottom-right one
//   dc.set_text_align(0x21);
//   dc.text_out(1, 1, "Line one");        // its top-left corner at world (1, 1)
//
// Text alignment: the low bits place the text horizontally at the point (0x01 left edge,
// 0x02 right edge, 0x04 centre); 0x20 puts the top of the text at the point (otherwise its
// base line). Values the system uses: 0x21, 0x22, 0x24.
#pragma once

#include "GwString.h"

#include <QFont>

class GwFont;
class QPaintDevice;
class QPainter;

class GwBaseDCEx {
public:
    GwBaseDCEx();
    virtual ~GwBaseDCEx();

    GwBaseDCEx(const GwBaseDCEx&) = delete;
    GwBaseDCEx& operator=(const GwBaseDCEx&) = delete;

    // The world rectangle: (x0, y0) is mapped to the device's top-left corner and (x1, y1) to
    // its bottom-right corner (with y turned, y0 to the bottom). A rectangle without width or
    // height maps world units to device units one to one.
    void set_wc_rect(double x0, double y0, double x1, double y1);
    // on 0: x and y scale on their own so that the rectangle fills the device. on 1: both use
    // one scale, the y axis's when y_decides is set, else the x axis's.
    void set_proportional(int on, int y_decides);
    // 0: y grows downwards (the default); 1: upwards.
    void set_y_turned(int turned);

    void set_font(const GwFont& font);
    void set_text_align(int align);
    int text_align() const { return m_iAlign; }

    // Draws text at the world point; 0 when no drawing is under way (no page).
    int text_out(double x, double y, const GwString& text);
    // Width and height of text in the current font, in device units (0 without a device).
    void text_extent(const GwString& text, double& width, double& height) const;
    // The drawable size of the device in device units (0 without a device).
    int device_width() const;
    int device_height() const;

    // World point to device point (for tests and derived devices).
    double to_device_x(double x) const;
    double to_device_y(double y) const;

protected:
    // The device that measurements use, and the painter that draws on it (null between pages
    // or documents). The caller keeps both alive while they are set.
    void set_device(QPaintDevice* device);
    void set_painter(QPainter* painter);
    QPainter* painter() const { return m_pPainter; }

private:
    void scales(double& sx, double& sy) const;

    QPaintDevice* m_pDevice = nullptr;
    QPainter* m_pPainter = nullptr;
    QFont m_font;
    int m_iAlign = 0x21;
    double m_x0 = 0, m_y0 = 0, m_x1 = 0, m_y1 = 0;
    int m_iProportional = 0;
    int m_iYDecides = 1;
    int m_iYTurned = 0;
};
