// PictureBox: persistent image, scale units, lines, boxes, circles and text.
#include "platform/picture.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
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

void PictureBox::ensureImage()
{
    const int k = renderScale_;
    const QSize want(std::max(1, width()) * k, std::max(1, height()) * k);
    if (!image_.isNull() && image_.width() >= want.width() && image_.height() >= want.height())
        return;
    // Grow only: the drawing survives the window being made smaller and larger again.
    QImage bigger(want.expandedTo(image_.size()), QImage::Format_RGB32);
    bigger.setDevicePixelRatio(k);
    bigger.fill(backColor);
    if (!image_.isNull()) {
        QPainter p(&bigger);
        p.drawImage(0, 0, image_);
    }
    image_ = bigger;
}

void PictureBox::setRenderScale(int k)
{
    k = std::clamp(k, 1, 8);
    if (k == renderScale_)
        return;
    // The drawing is not carried over: the caller redraws at the new scale.
    renderScale_ = k;
    image_ = QImage();
    ensureImage();
}

void PictureBox::setupPainter(QPainter& p, const QColor& c, bool withFill, const QColor& fill) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    if (drawMode == DrawMode::NotXorPen)
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    QPen pen(c);
    pen.setWidth(std::max(1, drawWidth));
    pen.setStyle(drawWidth > 1 ? Qt::SolidLine : penStyleFor(drawStyle));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(withFill ? QBrush(fill) : Qt::NoBrush);
}

void PictureBox::cls()
{
    ensureImage();
    image_.fill(backColor);
    currentX = 0;
    currentY = 0;
    log_.clear();
    update();
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& c, bool box, bool filled)
{
    ensureImage();
    QPainter p(&image_);
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
        QRectF r = QRectF(a, b).normalized();
        if (filled) {
            setupPainter(p, c, true, c);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(r.topLeft(), r.size() + QSizeF(1, 1)));
        } else {
            const bool fill = fillStyle == FillStyle::Solid;
            setupPainter(p, c, fill, fillColor);
            p.drawRect(r);
        }
    } else {
        setupPainter(p, c, false, c);
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }
    currentX = x2;
    currentY = y2;
    update();
}

void PictureBox::circle(double x, double y, double radius, const QColor& c, double start, double end,
                        double aspect, bool arc)
{
    ensureImage();
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
    QPainter p(&image_);
    setupPainter(p, c, fill, fillColor);

    const bool whole = !arc && start == 0 && end == 0;
    if (whole) {
        p.drawEllipse(rect);
    } else {
        const bool radii = start < 0 || end < 0;
        double s = std::fabs(start);
        double e = std::fabs(end);
        double span = e - s;
        while (span <= 0)
            span += kTwoPi;
        while (span > kTwoPi)
            span -= kTwoPi;
        const int qs = int(std::lround(s * 180.0 / M_PI * 16.0));
        const int qspan = int(std::lround(span * 180.0 / M_PI * 16.0));
        if (radii) {
            p.drawPie(rect, qs, qspan);
        } else {
            if (fill) {
                QPainterPath path;
                path.arcMoveTo(rect, s * 180.0 / M_PI);
                path.arcTo(rect, s * 180.0 / M_PI, span * 180.0 / M_PI);
                path.closeSubpath();
                p.save();
                p.setPen(Qt::NoPen);
                p.drawPath(path);
                p.restore();
            }
            p.drawArc(rect, qs, qspan);
        }
    }
    currentX = x;
    currentY = y;
    update();
}

void PictureBox::print(const QString& text, bool newline)
{
    ensureImage();
    QFont f = font;
    f.setUnderline(fontUnderline);
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (drawMode == DrawMode::NotXorPen)
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setFont(f);
    p.setPen(foreColor);
    QFontMetricsF fm(f, &image_);
    const QPointF at(toPixelX(currentX), toPixelY(currentY));
    p.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    log_.push_back({currentX, currentY, text});
    if (newline) {
        currentX = 0;
        currentY += fm.height() * unitsPerPixelY();
    } else {
        currentX += fm.horizontalAdvance(text) * unitsPerPixelX();
    }
    update();
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
    ensureImage();
    QPainter p(&image_);
    QRectF target(toPixelX(x), toPixelY(y), w < 0 ? source.width() : toPixelX(w),
                  h < 0 ? source.height() : toPixelY(h));
    p.drawImage(target, source);
    update();
}

QImage PictureBox::image() const
{
    if (image_.isNull()) {
        QImage blank(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        blank.fill(backColor);
        return blank;
    }
    const int k = renderScale_;
    QImage out = image_.copy(0, 0, std::min(image_.width(), std::max(1, width()) * k),
                             std::min(image_.height(), std::max(1, height()) * k));
    out.setDevicePixelRatio(k);
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
