#include "CSplashScreen.h"

#include "GwPath.h"
#include "GwQt.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

QPointer<QLabel>& splash() {
    static QPointer<QLabel> window;
    return window;
}

} // namespace

void CSplashScreen::Open(const GwString& picture, const GwString& text) {
    Close();
    QPixmap image(QString::fromStdString(GwPath::resolve(picture)));
    if (image.isNull()) {
        image = QPixmap(kWidth, kHeight);
        image.fill(QColor(0x1d, 0x27, 0x33));
    }
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.translate(600, 220);
    painter.rotate(-90);
    painter.drawText(0, painter.fontMetrics().ascent(), GwQt::qs(text));
    painter.resetTransform();
    painter.setPen(QColor(0x0c, 0x16, 0x24));
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    painter.end();

    auto* window =
        new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window->setObjectName(QStringLiteral("SPLASH"));
    window->setPixmap(image);
    window->setFixedSize(image.size());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->geometry();
        window->move(desk.x() + (desk.width() - image.width()) / 2,
                     desk.y() + (desk.height() - image.height()) / 2);
    }
    window->show();
    splash() = window;
}

void CSplashScreen::Close() {
    if (QLabel* window = splash()) {
        splash() = nullptr;
        delete window;
    }
}

int CSplashScreen::IsOpen() {
    return splash() != nullptr ? 1 : 0;
}
