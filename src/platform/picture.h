// PictureBox: a drawing surface with a persistent image, user scale units and
// the pen, fill and text state that the drawing kit works with.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

namespace orr {

// One text printed on a picture, kept until the next Cls so that tests and
// the batch driver can read back what a diagram shows.
struct PrintedText {
    double x = 0;
    double y = 0;
    QString text;
};

enum class DrawMode { Copy, NotXorPen };

// One line, box or circle drawn on a picture, in its scale units, as recorded
// for tests that check a diagram's geometry (see PictureBox::shapeLog).
struct DrawnShape {
    enum Kind { Line, Box, FilledBox, Circle } kind = Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circles: centre in x1, y1
    QColor colour;
    int width = 1;
    int style = 0;
    bool fill = false;  // a box or circle filled with the fill colour
    QColor fillColour;
    double radius = 0, start = 0, end = 0, aspect = 1;
};
enum class FillStyle { Solid, Transparent };

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& name = QString());

    // Logical coordinate space: (0, 0) top left, ScaleWidth x ScaleHeight units.
    double scaleWidth() const { return scaleW_; }
    double scaleHeight() const { return scaleH_; }
    void setScaleWidth(double w);
    void setScaleHeight(double h);

    double currentX = 0;
    double currentY = 0;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    QColor fillColor = Qt::black;
    FillStyle fillStyle = FillStyle::Transparent;
    int drawWidth = 1;
    int drawStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    DrawMode drawMode = DrawMode::Copy;
    QFont font;
    bool fontUnderline = false;
    QString toolTipText;
    // When set, every line, box and circle drawn is also appended here.
    std::vector<DrawnShape>* shapeLog = nullptr;

    void cls();
    // Line from (x1, y1) to (x2, y2); box draws the rectangle outline, filled
    // fills it with the colour itself (the "BF" form). The current point moves to (x2, y2).
    void line(double x1, double y1, double x2, double y2, const QColor& c, bool box = false, bool filled = false);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, foreColor); }
    // Circle, arc or sector. Angles are radians counter-clockwise from the
    // positive x axis; a negative angle also draws the radius to that end.
    // Both zero means a full circle. Aspect is height / width.
    void circle(double x, double y, double radius, const QColor& c, double start = 0, double end = 0,
                double aspect = 1.0, bool arc = false);
    // Prints at the current point (top-left of the text); the current x moves
    // past the text and, with newline, to the start of the next line.
    void print(const QString& text, bool newline = false);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("Ag")) const;
    void paintPicture(const QImage& source, double x, double y, double w = -1, double h = -1);

    const std::vector<PrintedText>& printedTexts() const { return log_; }
    // The drawing as it stands, at the picture's size in pixels times the
    // backing scale (its device pixel ratio says which).
    QImage image() const;
    // Every call since the last Cls is kept, so the drawing can be made again
    // at any resolution: on a screen of another pixel ratio, on a printer, as
    // a larger PNG or as SVG vectors with real text. render() replays it onto
    // a painter whose units are the picture's logical pixels.
    void render(QPainter& p) const;
    // The drawing made again at `scale` device pixels per logical pixel, at
    // the picture's size.
    QImage renderImage(double scale) const;
    // The size the drawing covers, in logical pixels.
    QSize drawingSize() const;
    // Device pixels per logical pixel of the backing image: the screen's
    // ratio, or a fixed scale set here (0 follows the screen again). The
    // drawing is kept and made again at the new scale.
    void setRenderScale(double k);
    double renderScale() const;
    QSize pixelSize() const { return size(); }

    double toPixelX(double x) const;
    double toPixelY(double y) const;
    double unitsPerPixelX() const;
    double unitsPerPixelY() const;

signals:
    void clicked(double x, double y);
    void pressed(double x, double y, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    // One drawing call, replayable on any painter in logical pixels.
    using Stroke = std::function<void(QPainter&)>;
    struct Ink;
    Ink ink(const QColor& c, bool withFill, const QColor& fill) const;
    // Draws the stroke on the backing image and keeps it for replay.
    void draw(Stroke stroke);
    void ensureImage();
    void rebuildImage(QSize logical, double scale);

    double scaleW_ = 0;
    double scaleH_ = 0;
    QImage image_;
    QSize logical_;  // the backing image's size in logical pixels
    double fixedScale_ = 0;
    QColor clearColour_ = Qt::white;
    // A drawing too long to keep stroke by stroke is flattened into this
    // image, which the replay then starts from.
    QImage flattened_;
    std::vector<Stroke> strokes_;
    std::vector<PrintedText> log_;
};

}  // namespace orr
