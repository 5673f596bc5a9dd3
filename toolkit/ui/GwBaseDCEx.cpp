#include "GwBaseDCEx.h"

#include "GwFont.h"
#include "GwQt.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

GwBaseDCEx::GwBaseDCEx() : m_font(GwFont("8.Courier").qfont()) {}

GwBaseDCEx::~GwBaseDCEx() = default;

void GwBaseDCEx::set_device(QPaintDevice* device) {
    m_pDevice = device;
}

void GwBaseDCEx::set_painter(QPainter* painter) {
    m_pPainter = painter;
    if (m_pPainter != nullptr)
        m_pPainter->setFont(m_font);
}

void GwBaseDCEx::set_wc_rect(double x0, double y0, double x1, double y1) {
    m_x0 = x0;
    m_y0 = y0;
    m_x1 = x1;
    m_y1 = y1;
}

void GwBaseDCEx::set_proportional(int on, int y_decides) {
    m_iProportional = on;
    m_iYDecides = y_decides;
}

void GwBaseDCEx::set_y_turned(int turned) {
    m_iYTurned = turned;
}

void GwBaseDCEx::set_font(const GwFont& font) {
    m_font = font.qfont();
    if (m_pPainter != nullptr)
        m_pPainter->setFont(m_font);
}

void GwBaseDCEx::set_text_align(int align) {
    m_iAlign = align;
}

int GwBaseDCEx::device_width() const {
    return m_pDevice != nullptr ? m_pDevice->width() : 0;
}

int GwBaseDCEx::device_height() const {
    return m_pDevice != nullptr ? m_pDevice->height() : 0;
}

void GwBaseDCEx::scales(double& sx, double& sy) const {
    const double w = m_x1 - m_x0;
    const double h = m_y1 - m_y0;
    sx = w != 0.0 ? device_width() / w : 1.0;
    sy = h != 0.0 ? device_height() / h : 1.0;
    if (m_iProportional != 0) {
        if (m_iYDecides != 0)
            sx = sy;
        else
            sy = sx;
    }
}

double GwBaseDCEx::to_device_x(double x) const {
    double sx = 1.0;
    double sy = 1.0;
    scales(sx, sy);
    return (x - m_x0) * sx;
}

double GwBaseDCEx::to_device_y(double y) const {
    double sx = 1.0;
    double sy = 1.0;
    scales(sx, sy);
    const double d = (y - m_y0) * sy;
    return m_iYTurned != 0 ? device_height() - d : d;
}

void GwBaseDCEx::text_extent(const GwString& text, double& width, double& height) const {
    width = 0.0;
    height = 0.0;
    if (m_pDevice == nullptr)
        return;
    const QFontMetricsF metrics(m_font, m_pDevice);
    width = metrics.horizontalAdvance(GwQt::qs(text));
    height = metrics.height();
}

int GwBaseDCEx::text_out(double x, double y, const GwString& text) {
    if (m_pPainter == nullptr || m_pDevice == nullptr)
        return 0;
    const QString s = GwQt::qs(text);
    const QFontMetricsF metrics(m_font, m_pDevice);
    double dx = to_device_x(x);
    double dy = to_device_y(y);
    const double width = metrics.horizontalAdvance(s);
    if ((m_iAlign & 0x02) != 0)
        dx -= width;
    else if ((m_iAlign & 0x04) != 0)
        dx -= width / 2.0;
    if ((m_iAlign & 0x20) != 0)
        dy += metrics.ascent();
    m_pPainter->drawText(QPointF(dx, dy), s);
    return 1;
}
