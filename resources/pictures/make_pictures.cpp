// Draws every picture of the program, so that they can be made again exactly:
//
//   cmake --build build --target make_pictures && build/bin/make_pictures resources/pictures
//
// With "--check" before the folder it draws them again and compares them, pixel by pixel,
// with the pictures in the folder instead of writing (the build's test runs it so). Qt's raster
// engine rounds antialiased edges by one step differently on processors with other vector
// units, so a channel may be one step off; anything more is a changed drawing.
// Letters are drawn in Liberation Sans, which the build's packages install.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Bitmaps drawn with a colour key stand on this colour; it is not drawn.
const QColor kTransparent(236, 233, 216);

QImage Canvas(int width, int height, bool keyed) {
    QImage image(width, height, keyed ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(keyed ? kTransparent : QColor(Qt::transparent));
    return image;
}

struct Painter : QPainter {
    explicit Painter(QImage& image) : QPainter(&image) { setRenderHint(QPainter::Antialiasing); }
};

QFont Font(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// ---- Alarm bells ----

QPainterPath BellShape() {
    QPainterPath bell;
    bell.moveTo(10, 3.2);
    bell.cubicTo(14.2, 3.2, 14.6, 7.5, 14.8, 10.5);
    bell.cubicTo(15.0, 13.0, 15.8, 14.2, 17.2, 15.0);
    bell.lineTo(17.2, 16.0);
    bell.lineTo(2.8, 16.0);
    bell.lineTo(2.8, 15.0);
    bell.cubicTo(4.2, 14.2, 5.0, 13.0, 5.2, 10.5);
    bell.cubicTo(5.4, 7.5, 5.8, 3.2, 10, 3.2);
    return bell;
}

struct BellColours {
    QColor light, dark, outline;
};

// The bell itself, 20 x 20, hanging from (10, 2).
void PaintBell(QPainter& p, const BellColours& c) {
    QLinearGradient body(4, 0, 16, 0);
    body.setColorAt(0, c.dark);
    body.setColorAt(0.35, c.light);
    body.setColorAt(1, c.dark);
    p.setPen(QPen(c.outline, 1.0));
    p.setBrush(c.dark);
    p.drawEllipse(QPointF(10, 17.2), 1.9, 1.9); // clapper
    p.setBrush(body);
    p.drawPath(BellShape());
    p.drawEllipse(QPointF(10, 2.4), 1.3, 1.3); // the loop it hangs by
}

void DrawBell(QImage& image, const BellColours& c, double tilt, int wavesSide) {
    Painter p(image);
    p.translate(10, 2);
    p.rotate(tilt);
    if (tilt != 0) {
        p.scale(0.88, 0.88); // a swinging bell stays inside its picture
    }
    p.translate(-10, -2);
    PaintBell(p, c);
    p.resetTransform();
    if (wavesSide != 0) {
        p.setPen(QPen(c.outline, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        // Two short strokes of sound on the side the bell swings away from.
        const double x = wavesSide > 0 ? 13.0 : 7.0;
        const int start = wavesSide > 0 ? -35 * 16 : 145 * 16;
        for (double r : {4.5, 6.5}) {
            p.drawArc(QRectF(x - r, 6 - r, 2 * r, 2 * r), start, 70 * 16);
        }
    }
}

QImage Bell(const BellColours& colours, double tilt = 0, int wavesSide = 0) {
    QImage image = Canvas(20, 20, true);
    DrawBell(image, colours, tilt, wavesSide);
    return image;
}

const BellColours kGold{QColor(255, 222, 105), QColor(205, 150, 10), QColor(120, 82, 0)};
const BellColours kRed{QColor(255, 120, 100), QColor(196, 24, 24), QColor(110, 10, 10)};
const BellColours kFlash{QColor(255, 236, 150), QColor(240, 110, 30), QColor(140, 40, 0)};
const BellColours kGrey{QColor(222, 222, 222), QColor(158, 158, 158), QColor(128, 128, 128)};

// ---- Compass rose ----

QPointF Polar(QPointF centre, double radius, double turns) {
    const double a = turns * 2 * M_PI;
    return {centre.x() + std::sin(a) * radius, centre.y() - std::cos(a) * radius};
}

QImage Compass() {
    QImage image = Canvas(130, 130, true);
    Painter p(image);
    const QPointF c(65, 65);
    // Outer ring.
    QRadialGradient ring(c, 63);
    ring.setColorAt(0.80, QColor(250, 249, 244));
    ring.setColorAt(1.00, QColor(214, 210, 196));
    p.setPen(QPen(QColor(92, 104, 120), 1.4));
    p.setBrush(ring);
    p.drawEllipse(c, 62, 62);
    // Inner dial, where the needle points.
    QRadialGradient dial(c, 36);
    dial.setColorAt(0, QColor(255, 255, 255));
    dial.setColorAt(1, QColor(218, 230, 243));
    p.setPen(QPen(QColor(120, 140, 165), 1.0));
    p.setBrush(dial);
    p.drawEllipse(c, 36, 36);
    // Sixteen ticks, the main four the longest.
    for (int i = 0; i < 16; ++i) {
        const double length = i % 4 == 0 ? 7 : i % 2 == 0 ? 5 : 3;
        p.setPen(QPen(QColor(70, 84, 104), i % 4 == 0 ? 1.6 : 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(Polar(c, 36, i / 16.0), Polar(c, 36 - length, i / 16.0));
    }
    // The points, north in red.
    const char* const names[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    for (int i = 0; i < 8; ++i) {
        const bool main = i % 2 == 0;
        p.setFont(Font(main ? 15 : 9.5, main));
        p.setPen(i == 0 ? QColor(196, 30, 36) : QColor(40, 52, 70));
        const QPointF at = Polar(c, main ? 49 : 48, i / 8.0);
        p.drawText(QRectF(at.x() - 14, at.y() - 10, 28, 20), Qt::AlignCenter, names[i]);
    }
    return image;
}

// ---- Toolbar: 19 x 18 pictures side by side ----

constexpr int kButtonWidth = 19;
constexpr int kButtonHeight = 18;

void Gear(QPainter& p) {
    const QPointF c(9.5, 9);
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth; ++i) {
        // Each tooth rises from the rim and has a flat top.
        const double steps[][2] = {{-0.30, 6.0}, {-0.16, 8.4}, {0.16, 8.4}, {0.30, 6.0}};
        for (const auto& [offset, radius] : steps) {
            const QPointF point = Polar(c, radius, (i + offset) / kTeeth);
            gear.elementCount() == 0 ? gear.moveTo(point) : gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(c, 2.6, 2.6);
    QLinearGradient metal(0, 1, 0, 17);
    metal.setColorAt(0, QColor(150, 170, 196));
    metal.setColorAt(1, QColor(72, 92, 122));
    p.setPen(QPen(QColor(44, 58, 80), 1.0));
    p.setBrush(metal);
    p.drawPath(gear);
}

void ToolBell(QPainter& p) {
    p.translate(0, -0.5);
    p.scale(0.95, 0.93); // the button is a little smaller than a bell picture
    PaintBell(p, kGold);
}

void Arrow(QPainter& p, double x, bool up, const QColor& fill, const QColor& outline) {
    QPainterPath arrow;
    const double tip = up ? 1.5 : 16.5, base = up ? 8.5 : 9.5, end = up ? 15.5 : 2.5;
    arrow.moveTo(x, tip);
    arrow.lineTo(x + 4.5, base);
    arrow.lineTo(x + 1.8, base);
    arrow.lineTo(x + 1.8, end);
    arrow.lineTo(x - 1.8, end);
    arrow.lineTo(x - 1.8, base);
    arrow.lineTo(x - 4.5, base);
    arrow.closeSubpath();
    p.setPen(QPen(outline, 1.0));
    p.setBrush(fill);
    p.drawPath(arrow);
}

void MinMax(QPainter& p) {
    Arrow(p, 5.5, true, QColor(228, 70, 56), QColor(130, 24, 18));
    Arrow(p, 13.5, false, QColor(62, 128, 214), QColor(22, 58, 118));
}

void Sheet(QPainter& p) {
    p.setPen(QPen(QColor(82, 92, 108), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 14, 15));
    p.fillRect(QRectF(3, 2, 13, 3), QColor(62, 118, 196));
    p.setPen(QPen(QColor(160, 168, 180), 1.0));
    for (double y : {7.5, 10.5, 13.5}) {
        p.drawLine(QPointF(4, y), QPointF(15, y));
    }
    p.drawLine(QPointF(8.5, 5), QPointF(8.5, 16));
}

void Chart(QPainter& p) {
    p.setPen(QPen(QColor(82, 92, 108), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 16, 15));
    p.setPen(QPen(QColor(200, 206, 214), 1.0));
    p.drawLine(QPointF(2, 6.5), QPointF(17, 6.5));
    p.drawLine(QPointF(2, 11.5), QPointF(17, 11.5));
    p.setPen(QPen(QColor(214, 60, 48), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{3, 12}, {6.5, 7}, {10, 10}, {13.5, 4}, {16, 6}}));
    p.setPen(QPen(QColor(48, 110, 200), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{3, 14.5}, {7, 13}, {10.5, 14}, {16, 11}}));
}

void Info(QPainter& p) {
    QRadialGradient ball(QPointF(7.5, 6), 10);
    ball.setColorAt(0, QColor(110, 170, 240));
    ball.setColorAt(1, QColor(30, 84, 168));
    p.setPen(QPen(QColor(20, 56, 120), 1.0));
    p.setBrush(ball);
    p.drawEllipse(QPointF(9.5, 9), 7.8, 7.8);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9.5, 5.2), 1.35, 1.35);
    p.drawRoundedRect(QRectF(8.4, 7.6, 2.2, 6.4), 0.6, 0.6);
}

QImage ToolBar() {
    const std::vector<std::function<void(QPainter&)>> buttons = {Gear,  ToolBell, MinMax,
                                                                 Sheet, Chart,    Info};
    QImage image = Canvas(kButtonWidth * static_cast<int>(buttons.size()), kButtonHeight, false);
    Painter p(image);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        p.save();
        p.translate(static_cast<double>(i) * kButtonWidth, 0);
        buttons[i](p);
        p.restore();
    }
    return image;
}

// ---- Link pictures of the status bar ----

void Plug(QPainter& p, double x, bool facingRight) {
    // The body with its cable, and the contact blade on the side that plugs in.
    const double dir = facingRight ? 1 : -1;
    QLinearGradient body(0, 4, 0, 14);
    body.setColorAt(0, QColor(150, 156, 166));
    body.setColorAt(1, QColor(84, 90, 102));
    p.setPen(QPen(QColor(50, 54, 62), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(facingRight ? x - 9 : x, 4.5, 9, 9), 2, 2);
    p.setBrush(QColor(210, 214, 220));
    p.drawRect(QRectF(facingRight ? x : x - 4, 6.5, 4, 5));
    p.setPen(QPen(QColor(50, 54, 62), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - dir * 9, 9), QPointF(x - dir * 16, 9));
}

void Lamp(QPainter& p, QPointF at, const QColor& colour) {
    QRadialGradient glow(at - QPointF(1, 1), 4.5);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(170), 1.0));
    p.setBrush(glow);
    p.drawEllipse(at, 3.5, 3.5);
}

QImage Link(bool up) {
    QImage image = Canvas(44, 18, false);
    Painter p(image);
    if (up) {
        Plug(p, 18, true);
        Plug(p, 22, false);
        Lamp(p, QPointF(39, 9), QColor(40, 170, 60));
    } else {
        Plug(p, 14, true);
        Plug(p, 26, false);
        Lamp(p, QPointF(39, 9), QColor(210, 40, 36));
    }
    return image;
}

// ---- Program icon ----

QImage Icon() {
    QImage image = Canvas(256, 256, false);
    Painter p(image);
    QLinearGradient sky(0, 8, 0, 248);
    sky.setColorAt(0, QColor(92, 164, 236));
    sky.setColorAt(1, QColor(24, 72, 148));
    p.setPen(QPen(QColor(18, 52, 108), 4));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(10, 10, 236, 236), 48, 48);
    // Sun with rays.
    const QPointF sun(160, 92);
    p.setPen(QPen(QColor(255, 206, 64), 9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        p.drawLine(Polar(sun, 52, i / 12.0), Polar(sun, 66, i / 12.0));
    }
    QRadialGradient disc(sun - QPointF(12, 12), 50);
    disc.setColorAt(0, QColor(255, 240, 150));
    disc.setColorAt(1, QColor(250, 178, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(sun, 42, 42);
    // Cloud in front of it.
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QPointF(96, 150), 40, 36);
    cloud.addEllipse(QPointF(142, 140), 46, 46);
    cloud.addEllipse(QPointF(182, 166), 32, 30);
    cloud.addRoundedRect(QRectF(52, 150, 162, 46), 23, 23);
    cloud = cloud.simplified();
    p.setBrush(QColor(10, 30, 70, 60)); // its shadow
    p.drawPath(cloud.translated(4, 7));
    QLinearGradient white(0, 100, 0, 196);
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(1, QColor(214, 226, 240));
    p.setBrush(white);
    p.drawPath(cloud);
    // Rain below.
    p.setPen(QPen(QColor(170, 214, 255), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double x = 96 + i * 36;
        p.drawLine(QPointF(x, 210), QPointF(x - 7, 226));
    }
    return image;
}

// ---- Background of the main form: a quiet, seamless linen weave ----

QImage Background() {
    constexpr int kSize = 64;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // A small hash gives each pixel the same grain in every run.
            unsigned h =
                static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
            h = (h ^ (h >> 13)) * 0x5bd1e995u;
            const double grain = static_cast<double>((h >> 8) & 0xFF) / 255.0 - 0.5;
            const double weave = 1.6 * std::sin(2 * M_PI * (x + y) / 8.0) +
                                 1.0 * std::sin(2 * M_PI * (x - y) / 16.0);
            const double shade = weave + 2.0 * grain;
            auto channel = [&](int base) {
                return std::clamp(static_cast<int>(std::lround(base + shade)), 0, 255);
            };
            image.setPixel(x, y, qRgb(channel(239), channel(236), channel(222)));
        }
    }
    return image;
}

struct Picture {
    const char* file;
    std::function<QImage()> draw;
};

const std::vector<Picture> kPictures = {
    {"toolbar.png", ToolBar},
    {"link_down.png", [] { return Link(false); }},
    {"link_up.png", [] { return Link(true); }},
    {"bell_enabled.bmp", [] { return Bell(kGold); }},
    {"bell_alarm.bmp", [] { return Bell(kRed, 12, 1); }},
    {"bell_blink.bmp", [] { return Bell(kFlash, -12, -1); }},
    {"bell_disabled.bmp", [] { return Bell(kGrey); }},
    {"compass.bmp", Compass},
    {"talvorin.png", Icon},
    {"Talvorin.bmp", Background},
};

bool SameDrawing(const QImage& stored, const QImage& drawn) {
    const QImage a = stored.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return false;
    const auto near = [](int x, int y) { return std::abs(x - y) <= 1; };
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rowA[x], q = rowB[x];
            if (!near(qRed(p), qRed(q)) || !near(qGreen(p), qGreen(q)) ||
                !near(qBlue(p), qBlue(q)) || !near(qAlpha(p), qAlpha(q)))
                return false;
        }
    }
    return true;
}

// Bitmaps are written as 24-bit files, the others keep their transparency.
QImage Stored(const QImage& image, const QString& file) {
    return file.endsWith(QStringLiteral(".bmp")) ? image.convertToFormat(QImage::Format_RGB888)
                                                 : image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool check = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--check");
    if (argc != (check ? 3 : 2)) {
        std::fprintf(stderr, "usage: make_pictures [--check] FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    int failures = 0;
    for (const Picture& picture : kPictures) {
        const QString file = QString::fromLatin1(picture.file);
        const QString path = folder.filePath(file);
        const QImage image = Stored(picture.draw(), file);
        if (check) {
            if (!SameDrawing(QImage(path), image)) {
                std::fprintf(stderr, "%s differs from what make_pictures draws\n", picture.file);
                ++failures;
            }
        } else if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
