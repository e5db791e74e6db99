// The printed page in twips (1440 to the inch, measured from the printable
// area's top left), and the wrapping of theory paragraphs into printed lines.
#pragma once

#include <QString>
#include <vector>

namespace orr {

namespace page {
constexpr int kTwipsPerInch = 1440;
constexpr int kCaptionX = 1000, kCaptionY = 650, kCaptionSize = 12;
constexpr int kNoticeX = 8000, kNoticeY = 950, kNoticeSize = 7;
constexpr int kPictureX = 600, kPictureY = 1150;
constexpr int kTheoryY = 8000;       // the paragraphs start below the picture
constexpr int kParagraphX = 600, kParagraphSize = 9, kLineLimit = 100;
constexpr int kLineStep = 200, kParagraphGap = 400;
constexpr int kAppendedBlanks = 20;
constexpr int kGraphX = 2568, kGraphY = 4200, kGraphWidth = 13000, kGraphHeight = 6500;
}  // namespace page

struct PrintedLine {
    QString text;
    int y = 0;  // twips
    bool operator==(const PrintedLine&) const = default;
};

// The lines one paragraph prints as, each with its y position, starting at y.
// Twenty blanks are appended; while the text is at least `limit` characters,
// it is cut at the blank before the first blank at or beyond index `limit`
// (the line keeps what precedes that blank, without trailing blanks) and the
// next line starts 200 twips lower. The rest is the last line; y then moves
// on by the 400-twip paragraph gap and is left below the paragraph.
std::vector<PrintedLine> wrapParagraph(const QString& text, int limit, int& y);

}  // namespace orr
