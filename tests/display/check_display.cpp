// Checks a main-window grab taken on a real display at a pixel ratio above 1:
// the grab and the saved picture have the sizes the ratio gives, and the
// picture inside the window is drawn at the screen's resolution, not drawn
// at one pixel per logical pixel and blown up.
//
// Usage: check_display WINDOW.png PICTURE.png RATIO WIN_W WIN_H PIC_X PIC_Y PIC_W PIC_H
// (sizes and places in logical pixels, as the batch commands geometry and pixelratio give them).
#include <QImage>
#include <QRect>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

int failures = 0;

void expect(bool ok, const char* what, long long got, long long wanted)
{
    if (!ok) {
        std::printf("FAIL: %s is %lld, expected %lld\n", what, got, wanted);
        ++failures;
    }
}

struct BlockCount {
    long inked = 0;  // blocks with some pixel that is not the background
    long split = 0;  // blocks whose pixels are not all one colour
};

// Walks the k x k blocks of device pixels that each cover one logical pixel.
// Blown up from one pixel per logical pixel, every such block is one colour;
// drawn at the finer resolution, the edges of text and lines cut through blocks.
BlockCount countBlocks(const QImage& image, QRect area, int k)
{
    BlockCount n;
    const QRgb background = image.pixel(area.topLeft());
    for (int y = area.top(); y + k <= area.bottom() + 1; y += k)
        for (int x = area.left(); x + k <= area.right() + 1; x += k) {
            const QRgb first = image.pixel(x, y);
            bool uniform = true, inked = false;
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx) {
                    const QRgb p = image.pixel(x + dx, y + dy);
                    uniform = uniform && p == first;
                    inked = inked || p != background;
                }
            n.inked += inked;
            n.split += !uniform;
        }
    return n;
}

struct EdgeCount {
    long edges = 0;  // neighbours side by side whose grey levels differ
    long steep = 0;  // of those, the ones that step most of the way from ink to paper at once
};

// A picture blown up smoothly has no blocks of one colour either, but it
// spreads every edge over two pixels or more: steep steps are what is left of
// drawing at the screen's own resolution.
EdgeCount countEdges(const QImage& image, QRect area)
{
    EdgeCount n;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x) {
            const int step = std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x + 1, y)));
            n.edges += step > 30;
            n.steep += step > 150;
        }
    return n;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 10) {
        std::fprintf(stderr, "usage: %s WINDOW.png PICTURE.png RATIO WIN_W WIN_H PIC_X PIC_Y PIC_W PIC_H\n", argv[0]);
        return 2;
    }
    const QImage window(QString::fromLocal8Bit(argv[1]));
    const QImage picture(QString::fromLocal8Bit(argv[2]));
    const double ratio = std::atof(argv[3]);
    int v[6];
    for (int i = 0; i < 6; ++i)
        v[i] = std::atoi(argv[4 + i]);
    if (window.isNull() || picture.isNull()) {
        std::printf("FAIL: cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    const int k = int(std::lround(ratio));
    if (k < 2 || k != ratio) {
        std::printf("FAIL: the screen's pixel ratio is %g; the check needs a whole ratio of 2 or more\n", ratio);
        return 1;
    }
    expect(window.width() == k * v[0], "window grab width", window.width(), k * v[0]);
    expect(window.height() == k * v[1], "window grab height", window.height(), k * v[1]);
    expect(picture.width() == k * v[4], "saved picture width", picture.width(), k * v[4]);
    expect(picture.height() == k * v[5], "saved picture height", picture.height(), k * v[5]);

    // The picture as the window shows it, in device pixels, less what lies outside the grab.
    const QRect area = QRect(k * v[2], k * v[3], k * v[4], k * v[5]).intersected(window.rect());
    const QImage shown = window.convertToFormat(QImage::Format_RGB32);
    const BlockCount n = countBlocks(shown, area, k);
    const EdgeCount e = countEdges(shown, area);
    std::printf("picture %dx%d at %d,%d: %ld of %ld inked %dx%d blocks are not one colour; %ld of %ld edges steep\n",
                area.width(), area.height(), area.x(), area.y(), n.split, n.inked, k, k, e.steep, e.edges);
    expect(n.inked >= 1000, "inked blocks in the picture", n.inked, 1000);
    // Text and thin lines drawn at the finer resolution split a good share of
    // the inked blocks; filled areas and the insides of thick lines do not.
    expect(n.split * 10 >= n.inked, "split blocks (x10)", n.split * 10, n.inked);
    // Drawn sharp, about half the edges are steep; blown up smoothly, next to none.
    expect(e.steep * 4 >= e.edges, "steep edges (x4)", e.steep * 4, e.edges);
    return failures == 0 ? 0 : 1;
}
