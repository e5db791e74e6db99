// PictureBox: persistent image, scale units, lines, boxes, circles and text.
#include "platform/picture.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orr {

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwoPi = 6.283185307179586;

// Text is measured on a 96 dpi image, the resolution every picture draws at.
const QPaintDevice* measuringDevice()
{
    static QImage device(1, 1, QImage::Format_RGB32);
    return &device;
}

// An image k times finer than the screen says so in its resolution (96 dots
// to the inch times k), so a word processor pastes it at the picture's size.
void keepPrintedSize(QImage& image)
{
    const int dotsPerMetre = int(std::lround(96 / 0.0254 * image.devicePixelRatio()));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

Qt::PenStyle penStyleFor(int drawStyle)
{
    switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}
}  // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    font = QFont(QStringLiteral("Verdana"), 8);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setScaleWidth(double w) { scaleW_ = w; }
void PictureBox::setScaleHeight(double h) { scaleH_ = h; }

double PictureBox::unitsPerPixelX() const
{
    const int w = std::max(1, width());
    return scaleW_ > 0 ? scaleW_ / w : kTwipsPerPixel;
}

double PictureBox::unitsPerPixelY() const
{
    const int h = std::max(1, height());
    return scaleH_ > 0 ? scaleH_ / h : kTwipsPerPixel;
}

double PictureBox::toPixelX(double x) const { return x / unitsPerPixelX(); }
double PictureBox::toPixelY(double y) const { return y / unitsPerPixelY(); }

// The pen, fill and drawing mode of one call, as they stood when it was made.
struct PictureBox::Ink {
    QColor pen;
    int width = 1;
    int style = 0;
    bool notXor = false;
    bool fill = false;
    QColor fillColour;

    void apply(QPainter& p) const
    {
        p.setRenderHint(QPainter::Antialiasing, false);
        setMode(p, notXor);
        QPen qp(pen);
        qp.setWidth(std::max(1, width));
        qp.setStyle(width > 1 ? Qt::SolidLine : penStyleFor(style));
        qp.setCapStyle(Qt::FlatCap);
        p.setPen(qp);
        p.setBrush(fill ? QBrush(fillColour) : Qt::NoBrush);
    }

    // The not-xor pen inverts what lies under it. Vector output (SVG, PDF) has
    // no raster operations: there lines and text draw plainly, and a filled
    // bar (a highlighted row) becomes a frame, so what it covers stays readable.
    static bool inverts(const QPainter& p)
    {
        // The PDF engine claims raster operations but ignores them: only the
        // raster engine (an image) really inverts.
        return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    }
    static void setMode(QPainter& p, bool notXor)
    {
        if (notXor && inverts(p))
            p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    }
};

PictureBox::Ink PictureBox::ink(const QColor& c, bool withFill, const QColor& fill) const
{
    return Ink{c, drawWidth, drawStyle, drawMode == DrawMode::NotXorPen, withFill, fill};
}

double PictureBox::renderScale() const { return fixedScale_ > 0 ? fixedScale_ : devicePixelRatioF(); }

void PictureBox::setRenderScale(double k)
{
    fixedScale_ = k <= 0 ? 0 : std::clamp(k, 1.0, 8.0);
    ensureImage();
    update();
}

QSize PictureBox::drawingSize() const { return logical_.isEmpty() ? size().expandedTo(QSize(1, 1)) : logical_; }

void PictureBox::ensureImage()
{
    // Grow only: the drawing survives the window being made smaller and larger again.
    const QSize want = size().expandedTo(QSize(1, 1)).expandedTo(logical_);
    const double k = renderScale();
    if (!image_.isNull() && want == logical_ && image_.devicePixelRatio() == k)
        return;
    rebuildImage(want, k);
}

void PictureBox::rebuildImage(QSize logical, double scale)
{
    QImage fresh(int(std::ceil(logical.width() * scale)), int(std::ceil(logical.height() * scale)),
                 QImage::Format_RGB32);
    fresh.setDevicePixelRatio(scale);
    fresh.fill(clearColour_);
    if (!image_.isNull()) {
        QPainter p(&fresh);
        if (image_.devicePixelRatio() == scale)
            p.drawImage(0, 0, image_);  // only larger: the pixels as they are
        else
            render(p);  // another pixel ratio: the drawing made again
    }
    image_ = fresh;
    logical_ = logical;
}

void PictureBox::draw(Stroke stroke)
{
    // A drawing that is never cleared (a trace growing for hours) would keep
    // every stroke: past this many it is kept as pixels from then on.
    constexpr std::size_t kMaxStrokes = 100000;
    ensureImage();
    {
        QPainter p(&image_);
        stroke(p);
    }
    if (strokes_.size() >= kMaxStrokes) {
        flattened_ = image_;
        strokes_.clear();
    } else {
        strokes_.push_back(std::move(stroke));
    }
    update();
}

void PictureBox::render(QPainter& p) const
{
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(drawingSize())), clearColour_);
    if (!flattened_.isNull())
        p.drawImage(QRectF(QPointF(0, 0), flattened_.deviceIndependentSize()), flattened_);
    for (const Stroke& stroke : strokes_) {
        p.save();
        stroke(p);
        p.restore();
    }
    p.restore();
}

QImage PictureBox::renderImage(double scale) const
{
    const QSize logical = size().expandedTo(QSize(1, 1));
    QImage out(int(std::ceil(logical.width() * scale)), int(std::ceil(logical.height() * scale)),
               QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    keepPrintedSize(out);
    QPainter p(&out);
    render(p);
    return out;
}

void PictureBox::cls()
{
    strokes_.clear();
    flattened_ = QImage();
    clearColour_ = backColor;
    ensureImage();
    image_.fill(backColor);
    currentX = 0;
    currentY = 0;
    log_.clear();
    update();
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& c, bool box, bool filled)
{
    if (shapeLog) {
        DrawnShape d;
        d.kind = box ? (filled ? DrawnShape::FilledBox : DrawnShape::Box) : DrawnShape::Line;
        d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
        d.colour = c, d.width = drawWidth, d.style = drawStyle;
        d.fill = box && !filled && fillStyle == FillStyle::Solid;
        d.fillColour = fillColor;
        shapeLog->push_back(d);
    }
    const QPointF a(toPixelX(x1), toPixelY(y1));
    const QPointF b(toPixelX(x2), toPixelY(y2));
    if (box) {
        const QRectF r = QRectF(a, b).normalized();
        if (filled) {
            const Ink k = ink(c, true, c);
            draw([k, r](QPainter& p) {
                k.apply(p);
                if (k.notXor && !Ink::inverts(p)) {
                    p.setBrush(Qt::NoBrush);
                    p.setPen(QPen(k.pen, 1.5));
                } else {
                    p.setPen(Qt::NoPen);
                }
                p.drawRect(QRectF(r.topLeft(), r.size() + QSizeF(1, 1)));
            });
        } else {
            const Ink k = ink(c, fillStyle == FillStyle::Solid, fillColor);
            draw([k, r](QPainter& p) {
                k.apply(p);
                p.drawRect(r);
            });
        }
    } else {
        const Ink k = ink(c, false, c);
        draw([k, a, b](QPainter& p) {
            k.apply(p);
            if (a == b)
                p.drawPoint(a);
            else
                p.drawLine(a, b);
        });
    }
    currentX = x2;
    currentY = y2;
}

void PictureBox::circle(double x, double y, double radius, const QColor& c, double start, double end,
                        double aspect, bool arc)
{
    if (aspect <= 0)
        aspect = 1.0;
    // The radius is measured along the longer axis, in horizontal units.
    double rx = std::fabs(toPixelX(radius));
    double ry = rx * aspect;
    if (aspect > 1.0) {
        ry = rx;
        rx = ry / aspect;
    }
    if (shapeLog) {
        DrawnShape d;
        d.kind = DrawnShape::Circle;
        d.x1 = x, d.y1 = y, d.colour = c, d.width = drawWidth, d.style = drawStyle;
        d.fill = fillStyle == FillStyle::Solid, d.fillColour = fillColor;
        d.radius = radius, d.start = start, d.end = end, d.aspect = aspect;
        shapeLog->push_back(d);
    }
    const QPointF centre(toPixelX(x), toPixelY(y));
    const QRectF rect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    const bool fill = fillStyle == FillStyle::Solid;
    const Ink k = ink(c, fill, fillColor);

    if (!arc && start == 0 && end == 0) {
        draw([k, rect](QPainter& p) {
            k.apply(p);
            p.drawEllipse(rect);
        });
    } else {
        const bool radii = start < 0 || end < 0;
        const double s = std::fabs(start);
        double span = std::fabs(end) - s;
        while (span <= 0)
            span += kTwoPi;
        while (span > kTwoPi)
            span -= kTwoPi;
        const double sDeg = s * 180.0 / M_PI;
        const double spanDeg = span * 180.0 / M_PI;
        const int qs = int(std::lround(sDeg * 16.0));
        const int qspan = int(std::lround(spanDeg * 16.0));
        draw([k, rect, radii, fill, sDeg, spanDeg, qs, qspan](QPainter& p) {
            k.apply(p);
            if (radii) {
                p.drawPie(rect, qs, qspan);
                return;
            }
            if (fill) {
                QPainterPath path;
                path.arcMoveTo(rect, sDeg);
                path.arcTo(rect, sDeg, spanDeg);
                path.closeSubpath();
                p.save();
                p.setPen(Qt::NoPen);
                p.drawPath(path);
                p.restore();
            }
            p.drawArc(rect, qs, qspan);
        });
    }
    currentX = x;
    currentY = y;
}

void PictureBox::print(const QString& text, bool newline)
{
    QFont f = font;
    f.setUnderline(fontUnderline);
    // Measured at 96 dpi whatever the output, so the layout is the same on
    // every screen and page.
    const QFontMetricsF fm(f, measuringDevice());
    const QPointF at(toPixelX(currentX), toPixelY(currentY) + fm.ascent());
    const QColor colour = foreColor;
    const bool notXor = drawMode == DrawMode::NotXorPen;
    draw([f, at, colour, notXor, text](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing, true);
        Ink::setMode(p, notXor);
        // Point sizes are for 96 dpi: on a device of another resolution (a
        // printer, whose painter is scaled to picture pixels) the face is
        // made correspondingly smaller so the text keeps its place and width.
        QFont face = f;
        const int dpi = p.device()->logicalDpiY();
        if (dpi > 0 && dpi != 96 && f.pointSizeF() > 0)
            face.setPointSizeF(f.pointSizeF() * 96.0 / dpi);
        p.setFont(face);
        p.setPen(colour);
        p.drawText(at, text);
    });
    log_.push_back({currentX, currentY, text});
    if (newline) {
        currentX = 0;
        currentY += fm.height() * unitsPerPixelY();
    } else {
        currentX += fm.horizontalAdvance(text) * unitsPerPixelX();
    }
}

double PictureBox::textWidth(const QString& text) const
{
    QFontMetricsF fm(font, measuringDevice());
    return fm.horizontalAdvance(text) * unitsPerPixelX();
}

double PictureBox::textHeight(const QString&) const
{
    QFontMetricsF fm(font, measuringDevice());
    return fm.height() * unitsPerPixelY();
}

void PictureBox::paintPicture(const QImage& source, double x, double y, double w, double h)
{
    const QRectF target(toPixelX(x), toPixelY(y), w < 0 ? source.width() : toPixelX(w),
                        h < 0 ? source.height() : toPixelY(h));
    draw([source, target](QPainter& p) { p.drawImage(target, source); });
}

QImage PictureBox::image() const
{
    if (image_.isNull()) {
        QImage blank(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        blank.fill(backColor);
        return blank;
    }
    const double k = image_.devicePixelRatio();
    QImage out = image_.copy(0, 0, std::min(image_.width(), int(std::ceil(std::max(1, width()) * k))),
                             std::min(image_.height(), int(std::ceil(std::max(1, height()) * k))));
    out.setDevicePixelRatio(k);
    keepPrintedSize(out);
    return out;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    ensureImage();
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent*) { ensureImage(); }

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const double x = e->position().x() * unitsPerPixelX();
    const double y = e->position().y() * unitsPerPixelY();
    emit pressed(x, y, e->button());
    emit clicked(x, y);
}

}  // namespace orr
