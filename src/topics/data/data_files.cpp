// DataFiles: the eight file-organisation examples, their entries, buttons,
// search animation and diagrams.
#include "topics/data/data_files.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "draw/board_text.h"
#include "draw/block_diagram.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/rng.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

namespace {

const QString kTimes = QStringLiteral("\u00D7");

void text(int x, int y, const QString& t, long c = colour::Black, int size = 8, bool bold = false)
{
    printMeasured(x, y, t, c, size, bold);
}

void heading(int x, int y, const QString& t) { text(x, y, t, colour::Title, 10, true); }

QString six(int64_t v) { return QStringLiteral("%1").arg(v % 1000000, 6, 10, QLatin1Char('0')); }

// A disk pack: platters as flat ellipses on a spindle, with its labels.
void diskPack(int cx, int top, int platters, double radius)
{
    boxOrLine(0, cx, top - 10, 0, 0, platters * 12 + 14, colour::Black, QString());
    for (int k = 0; k < platters; ++k)
        circle(0, cx, top + k * 12, radius, k == 2 ? colour::Red : colour::Navy, 0, 0, 0.22);
}

}  // namespace

QString dataFilesCaption(int e)
{
    static const char* const captions[] = {"Fixed Length Record.",        "Sequential Files.",
                                           "Index Sequential Files.",     "Random Access Hash Tables.",
                                           "Locating Individual Records.", "Check Digits.",
                                           "Parity Error Checking.",      "Cyclic Redundancy Check."};
    return e >= 0 && e < 8 ? QString::fromLatin1(captions[e]) : QString();
}

DataFiles::DataFiles() : TopicForm(QStringLiteral("DataFiles"), 4, 3)
{
    title = QStringLiteral("DATA FILES");
    setTopicId(123);
    setDrawingFrame(0, 1.0f);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    Label1 = new Label(Panel3D1, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Search for key."));
    Label1->setGeometry(120, 8, 110, 20);
    UpDown1 = new QSpinBox(Panel3D1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 1000);
    UpDown1->setValue(20);
    UpDown1->setGeometry(120, 32, 90, 24);
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpDown1_Change(); });
    Label1->hide();
    UpDown1->hide();
}

void DataFiles::setDefaults()
{
    indexKey = 452;
    bucketFirstKey = 100;
    firstBucket = 125;
    perBucket = 12;
    bucketKey = 1234;
    operatorEntry = 55443320;
    dataByte = 10011011;
    errorBit = 4;
    parityMode = 0;
    errorFlag = false;
    packetAddress = 1234;
    coefficient = 4;
    searchPosition = -1;
    duplicateFlag = false;
    Timer2->stop();
}

void DataFiles::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void DataFiles::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + dataFilesCaption(e));
    const auto sel = [this](int i, const QString& caption, const QString& value) {
        SelectButton[std::size_t(i)]->setCaption(caption);
        setLabelQuietly(i, value);
    };
    const auto num = [](double v) { return FormatNumber(float(v), true); };
    int shown = -1;
    bool t0 = false, t1 = false;
    switch (e) {
    case 1:
        t0 = t1 = true;
        Trigger[0]->setCaption(QStringLiteral("Start Search"));
        Trigger[1]->setCaption(QStringLiteral("Stop Search"));
        break;
    case 2:
        sel(0, QStringLiteral("Index"), num(indexKey));
        shown = 0;
        break;
    case 3:
        t0 = t1 = true;
        Trigger[0]->setCaption(QStringLiteral("Records"));
        Trigger[1]->setCaption(QStringLiteral("Duplicate"));
        break;
    case 4:
        sel(0, QStringLiteral("Search Record"), num(bucketKey));
        sel(1, QStringLiteral("Bucket No"), num(firstBucket));
        sel(2, QStringLiteral("1st Bucket Key"), num(bucketFirstKey));
        sel(3, QStringLiteral("Records/Bucket"), num(perBucket));
        shown = 3;
        break;
    case 5:
        sel(0, QStringLiteral("Customer No."), QString::number(qint64(operatorEntry)));
        shown = 0;
        t0 = true;
        Trigger[0]->setCaption(QStringLiteral("New customer"));
        break;
    case 6: {
        sel(0, QStringLiteral("1 Byte Data"), QString::fromStdString(data::byteDigits(data::byteFromBinaryDigits(dataByte))));
        sel(1, QStringLiteral("Error Bit"), QString::number(errorBit));
        shown = 1;
        t0 = t1 = true;
        static const char* const next[] = {"Odd Parity", "No Parity", "Even Parity"};
        Trigger[0]->setCaption(QString::fromLatin1(next[std::clamp(parityMode, 0, 2)]));
        Trigger[1]->setCaption(errorFlag ? QStringLiteral("Clear Error") : QStringLiteral("Make Error"));
        break;
    }
    case 7:
        sel(0, QStringLiteral("Data Address"), QString::number(packetAddress));
        sel(1, QStringLiteral("Coefficient"), QString::number(coefficient));
        shown = 1;
        t0 = true;
        Trigger[0]->setCaption(QStringLiteral("New Packet"));
        break;
    default: break;
    }
    triggerSetup(t0, t1, false);
    suite().selectorCount = shown;
    Label1->setVisible(e == 1);
    UpDown1->setVisible(e == 1);
}

void DataFiles::results()
{
    // The search key control sits after the two search buttons.
    if (example() == 1 && Panel3D1->width() < 230) {
        Panel3D1->resize(220, Panel3D1->height());
        windowLayout();
    }
    // The error bit is entered only while an error is being made.
    if (example() == 6 && SelectButton.size() > 1)
        SelectButton[1]->setEnabled(errorFlag);
    TopicForm::results();
}

QString DataFiles::quantityTypeFor(int e, int) const
{
    return e == 6 ? QStringLiteral("Binary No.") : QStringLiteral("Positive Integer No.");
}

void DataFiles::takeValue(int e, int index, double v)
{
    using limit_detail::convert;
    switch (e * 10 + index) {
    case 20: indexKey = convert<float>(v); LimitValue(indexKey, 2000, 1); LimitValue(indexKey, 1, 2); break;
    case 40: bucketKey = convert<float>(v); LimitValue(bucketKey, 99999, 1); break;
    case 41: firstBucket = convert<float>(v); LimitValue(firstBucket, 20000, 1); break;
    case 42: bucketFirstKey = convert<float>(v); LimitValue(bucketFirstKey, 99999, 1); break;
    case 43:
        perBucket = convert<float>(v);
        LimitValue(perBucket, 20000, 1);
        LimitValue(perBucket, 1, 2);  // none per bucket would divide by zero
        break;
    case 50: operatorEntry = convert<float>(v); LimitValue(operatorEntry, 99999999, 1); break;
    case 60: dataByte = convert<float>(v); LimitValue(dataByte, 11111111, 1); break;
    case 61: errorBit = convert<int>(v); LimitValue(errorBit, 7, 1); break;
    case 70: packetAddress = convert<int>(v); LimitValue(packetAddress, 1023, 1); break;
    case 71:
        coefficient = convert<int>(v);
        LimitValue(coefficient, 9, 1);
        LimitValue(coefficient, 1, 2);
        break;
    default: break;
    }
}

void DataFiles::Trigger_Click(int index)
{
    const int e = example();
    switch (e * 10 + index) {
    case 10:
        searchPosition = 0;
        Timer2->start();
        break;
    case 11: Timer2->stop(); return;
    case 30: duplicateFlag = false; break;
    case 31: duplicateFlag = true; break;
    case 50: customerDrawn = false; break;
    case 60:
        parityMode = (parityMode + 1) % 3;
        configureExample(e);
        break;
    case 61:
        errorFlag = !errorFlag;
        configureExample(e);
        break;
    case 70: break;
    default: return;
    }
    results();
}

void DataFiles::Timer2_Timer()
{
    if (example() != 1) {
        Timer2->stop();
        return;
    }
    ++searchPosition;
    if (searchPosition > 1000) {
        Timer2->stop();
        return;
    }
    results();
    if (searchPosition == UpDown1->value())
        Timer2->stop();
}

void DataFiles::UpDown1_Change()
{
    if (example() == 1)
        results();
}

void DataFiles::drawExample(int e)
{
    switch (e) {
    case 0: drawRecord(); break;
    case 1: drawSequential(); break;
    case 2: drawIndexSequential(); break;
    case 3: drawHashing(); break;
    case 4: drawBucket(); break;
    case 5: drawCheckDigits(); break;
    case 6: drawParity(); break;
    default: drawCrc(); break;
    }
}

void DataFiles::drawRecord()
{
    heading(20, 10, QStringLiteral("Company Transport Record."));
    const char* fields[] = {"Record key.", "Vehicle Reg. No", "Model.", "Colour.", "Chassis No.", "Employee No.",
                            "Mileage."};
    const char* samples[] = {"00004512", "R123 ABC", "Escort", "White", "WF0AXX12345", "004417", "023456"};
    const int widths[] = {8, 10, 6, 15, 12, 6};
    int x = 20;
    for (int k = 0; k < 7; ++k) {
        const int w = k < 6 ? 66 + widths[k] * 3 : 96;
        DrawLabelledBox(x, 60, w, 24, QString::fromLatin1(fields[k]), colour::Cyan, colour::Navy, 6, true);
        DrawLabelledBox(x, 84, w, 22, QString::fromLatin1(samples[k]), colour::White, colour::Black, 7);
        x += w;
    }
    text(20, 130, QStringLiteral("Record Length = 8 + 10 + 6 + 15 + 12 + 6 = 57 characters."), colour::Maroon, 9, true);
    // The file: records one after another between its markers.
    heading(20, 180, QStringLiteral("Record file."));
    DrawLabelledBox(20, 210, 50, 30, QStringLiteral("BOF"), colour::ButtonFace, colour::Red, 8, true);
    for (int r = 0; r < 5; ++r)
        DrawLabelledBox(70 + r * 110, 210, 110, 30, QStringLiteral("Record %1").arg(r + 1), colour::Yellow, colour::Black, 8);
    DrawLabelledBox(620, 210, 50, 30, QStringLiteral("EOF"), colour::ButtonFace, colour::Red, 8, true);
    text(20, 260, QStringLiteral("Every record has the same length, so record n starts at (n - 1) \u00D7 57 characters"),
         colour::Navy, 8);
    text(20, 276, QStringLiteral("from the beginning of the file (BOF), and the file length is known from the count."),
         colour::Navy, 8);
    PictureBox* c = Calcbox;
    c->cls();
    suite().currentPicture = c;
    text(5, 5, QStringLiteral("File Length = 57 characters ") + kTimes + QStringLiteral(" No. Records."), colour::Black, 9);
    suite().currentPicture = Picture1;
}

void DataFiles::drawSequential()
{
    heading(20, 10, QStringLiteral("Sequential search of a record file."));
    const int key = UpDown1->value();
    text(20, 40, QStringLiteral("Search key %1").arg(key), colour::Red, 10, true);
    text(10, 76, QStringLiteral("Compare keys."), colour::Red, 8, true);
    DrawArrow(20, 92, 20, 168, colour::Red);
    for (int i = 1; i <= 6; ++i) {
        const int x = 25 + 115 * (i - 1);
        const int k = searchPosition + i;
        DrawLabelledBox(x, 170, 95, 24, QStringLiteral("Record key."), colour::Cyan, colour::Navy, 7, true);
        DrawLabelledBox(x, 194, 95, 30, k == 0 ? QStringLiteral("Record BOF") : QString::number(k), colour::Yellow,
                  colour::Black, 9, true);
    }
    DrawArrow(690, 250, 30, 250, colour::Navy);
    text(250, 256, QStringLiteral("Records pass the read head one by one"), colour::Navy, 8);
    if (searchPosition >= 0) {
        text(20, 280, QStringLiteral("Record read: %1").arg(searchPosition), colour::Black, 9);
        if (searchPosition == key)
            text(30, 100, QStringLiteral("Record %1 found.").arg(key), colour::Green, 10, true);
    }
}

void DataFiles::drawIndexSequential()
{
    const int key = int(indexKey);
    const data::DiskLocation d = data::indexSequentialLocate(key);
    const auto table = [](int x, const QString& name, const QStringList& rows, int selected) {
        heading(x, 10, name);
        for (int r = 0; r < rows.size(); ++r)
            DrawLabelledBox(x, 34 + 18 * r, 150, 18, rows[r], r == selected ? colour::Lime : colour::White, colour::Black, 7);
    };
    QStringList cyl, surf, sect;
    for (int c = 0; c < 10; ++c)
        cyl << QStringLiteral("%1.  Keys %2 to %3").arg(c).arg(200 * c + 1).arg(200 * (c + 1));
    for (int s = 0; s < 10; ++s) {
        const int first = d.cylinderFirstKey + 20 * s;
        surf << QStringLiteral("%1.  Keys %2 to %3").arg(s).arg(first).arg(first + 19);
    }
    for (int x = 0; x < 8; ++x) {
        const double from = d.surfaceFirstKey + data::kSectorKeys * x;
        sect << QStringLiteral("%1.  Keys %2 to %3").arg(x).arg(from, 0, 'f', 1).arg(from + data::kSectorKeys, 0, 'f', 1);
    }
    table(10, QStringLiteral("Cylinder Index."), cyl, d.cylinder);
    table(180, QStringLiteral("Surface Index."), surf, d.surface);
    table(350, QStringLiteral("Sector Index."), sect, d.sector);
    DrawArrow(160, 43 + 18 * d.cylinder, 179, 43 + 18 * d.surface, colour::Red);
    DrawArrow(330, 43 + 18 * d.surface, 349, 43 + 18 * d.sector, colour::Red);
    diskPack(600, 60, 10, 70);
    text(530, 20, QStringLiteral("Sector 8"), colour::Black, 8);
    text(530, 200, QStringLiteral("Surfaces 10"), colour::Black, 8);
    text(530, 216, QStringLiteral("Cylinders 10"), colour::Black, 8);
    text(10, 250, QStringLiteral("Search key %1:").arg(key), colour::Black, 9, true);
    text(10, 270, QStringLiteral("The cylinder index gives the cylinder, its surface index the surface, and the"),
         colour::Navy, 8);
    text(10, 286, QStringLiteral("surface's sector index the sector; only that sector is then read in sequence."),
         colour::Navy, 8);
    text(10, 320, QStringLiteral("Record '%1' found in cylinder %2, surface %3, sector %4.")
                      .arg(key).arg(d.cylinder).arg(d.surface).arg(d.sector),
         colour::Green, 10, true);
}

void DataFiles::drawHashing()
{
    if (!duplicateFlag || vehicles.size() != 7) {
        static const char* const types[] = {"Van", "Saloon", "Estate", "Pick-up", "Minibus"};
        vehicles.clear();
        for (int k = 0; k < 7; ++k) {
            const int a = int(98 * Rnd()) + 1;
            const int b = int(98 * Rnd()) + 1;
            const int c = int(9 * Rnd()) + 1;
            vehicles.push_back({int64_t(a) * 10000 + int64_t(b) * 100 + c, QString::fromLatin1(types[b % 5]),
                                QStringLiteral("V%1 0%2").arg(a).arg(c)});
        }
    }
    std::vector<int64_t> keys;
    for (int k = 0; k < 4; ++k)
        keys.push_back(vehicles[std::size_t(k)].key);
    if (duplicateFlag)
        keys[3] = data::collidingKey(keys[0]);
    heading(10, 4, QStringLiteral("Vehicle Invoice Records."));
    const char* heads[] = {"Key (Invoice No.)", "Vehicle Type", "Reg. No", "Work done etc."};
    const int cx[] = {10, 130, 230, 330}, cw[] = {120, 100, 100, 110};
    for (int c = 0; c < 4; ++c)
        DrawLabelledBox(cx[c], 24, cw[c], 16, QString::fromLatin1(heads[c]), colour::Cyan, colour::Navy, 7, true);
    for (int r = 0; r < 7; ++r) {
        const auto& v = vehicles[std::size_t(r)];
        const int64_t key = r < 4 ? keys[std::size_t(r)] : v.key;
        const QString cells[] = {six(key), v.type, v.reg, QStringLiteral("Service")};
        for (int c = 0; c < 4; ++c)
            DrawLabelledBox(cx[c], 40 + 15 * r, cw[c], 15, cells[c], colour::White, colour::Black, 7);
    }
    const auto placed = data::placeRecords(keys);
    text(10, 160, QStringLiteral("Record keys."), colour::Title, 8, true);
    text(100, 160, QStringLiteral("Disk Addresses."), colour::Title, 8, true);
    text(210, 160, QStringLiteral("Cylinder or track.  "), colour::Black, 7, true);
    text(330, 160, QStringLiteral("Surface.  "), colour::Black, 7, true);
    text(400, 160, QStringLiteral("Sector.  "), colour::Black, 7, true);
    for (int r = 0; r < 4; ++r) {
        const auto& p = placed[std::size_t(r)];
        const auto a = data::splitAddress(p.address);
        const int y = 178 + 16 * r;
        const long ink = p.overflow ? colour::Red : colour::Black;
        text(10, y, six(keys[std::size_t(r)]), ink, 8);
        text(100, y, QString::fromStdString(p.address), ink, 8, true);
        text(230, y, QString::number(a.cylinder), ink, 8);
        text(340, y, QString::number(a.surface), ink, 8);
        text(410, y, QString::number(a.sector), ink, 8);
    }
    heading(470, 160, QStringLiteral("Overflow Table."));
    int row = 0;
    for (int r = 0; r < 4; ++r) {
        const auto& p = placed[std::size_t(r)];
        if (!p.overflow)
            continue;
        DrawLabelledBox(470, 180 + 18 * row, 60, 18, QStringLiteral("O%1").arg(p.overflowEntry + 1), colour::ButtonFace,
                  colour::Black, 7);
        DrawLabelledBox(530, 180 + 18 * row, 140, 18, QStringLiteral("Key ") + six(keys[std::size_t(r)]), colour::Yellow,
                  colour::Red, 7);
        text(470, 220 + 18 * row, QStringLiteral("Duplicate address %1: its home slot").arg(QString::fromStdString(p.address)),
             colour::Red, 7);
        text(470, 234 + 18 * row, QStringLiteral("holds a pointer to O%1.").arg(p.overflowEntry + 1), colour::Red, 7);
        ++row;
    }
    if (row == 0)
        text(470, 184, QStringLiteral("(empty: no address is shared)"), colour::Grey, 7);
    diskPack(600, 40, 6, 70);
    text(470, 4, QStringLiteral("Hard Disk Pack"), colour::Title, 8, true);
    text(470, 120, QStringLiteral("Sectors"), colour::Black, 7);
    text(530, 120, QStringLiteral("Surfaces"), colour::Black, 7);
    text(600, 120, QStringLiteral("Cylinders"), colour::Black, 7);
    text(470, 136, QStringLiteral("Record address ") + QString::fromStdString(placed[0].address), colour::Red, 7, true);

    heading(10, 262, QStringLiteral("Methods of creating addresses."));
    const int64_t k0 = keys[0];
    text(10, 284, QStringLiteral("Squaring:  Record key ") + six(k0) + QStringLiteral("\u00B2 = ") +
                      QString::number(k0 * k0) + QStringLiteral(", last six digits ") +
                      QString::fromStdString(data::squareAddress(k0)), colour::Black, 8);
    text(10, 304, QStringLiteral("Prime number division:  Record key / Any Prime Number = ") + six(k0) +
                      QStringLiteral(" / 569 = ") + QString::number(data::primeDivisionAddress(k0)),
         colour::Black, 8);
    text(10, 324, QStringLiteral("Square Root:  \u221A") + six(k0) + QStringLiteral(" = ") +
                      QString::number(int64_t(std::sqrt(double(k0)))) + QStringLiteral(" + 1 = ") +
                      QString::number(data::squareRootAddress(k0)),
         colour::Black, 8);
    duplicateFlag = false;
}

void DataFiles::drawBucket()
{
    const data::BucketResult r = data::locateInBucket(bucketFirstKey, firstBucket, perBucket, bucketKey);
    const QString L = QString::fromStdString(data::locationText(r.location));
    heading(10, 6, QStringLiteral("Locating a record in a bucket."));
    text(10, 34, QStringLiteral("Record location = (Record key - First key in Bucket) / No Records in Bucket"), colour::Black, 8);
    text(10, 52, QStringLiteral("+ Bucket number = (%1 - %2) / %3 + %4 = %5")
                     .arg(FormatNumber(bucketKey, true), FormatNumber(float(r.firstKey), true),
                          FormatNumber(perBucket, true), FormatNumber(firstBucket, true), L),
         colour::Maroon, 9, true);
    text(10, 76, QStringLiteral("Record position in bucket = (fraction %1 %2 10) + 1 = %3")
                     .arg(QString::fromStdString(data::locationText(r.fraction)), kTimes).arg(r.position),
         colour::Maroon, 9, true);
    text(10, 104, QStringLiteral("Record is No. %1 in Bucket %2").arg(r.position).arg(r.bucket), colour::Green, 11, true);

    heading(10, 140, QStringLiteral("Worked example."));
    const char* lines[] = {"Search for Record No. 12764", "From Bucket No. 1200 onward.", "No Records in a Bucket = 10",
                           "1st key in Bucket = 1425"};
    for (int k = 0; k < 4; ++k)
        text(10, 162 + 16 * k, QString::fromLatin1(lines[k]), colour::Black, 8);
    text(10, 230, QStringLiteral("(12764 - 1425) / 10 + 1200 = 2333.9"), colour::Navy, 8);
    text(10, 246, QStringLiteral("Bucket 2333, record No. 10"), colour::Navy, 8);
    // The exploded cylinder and one bucket on its track.
    text(330, 140, QStringLiteral("Exploded view of Disk Cylinder (track)."), colour::Title, 8, true);
    for (int k = 0; k < 3; ++k)
        circle(0, 420, 190 + 22 * k, 80, colour::Navy, 0, 0, 0.25);
    text(330, 270, QStringLiteral("Block of records on sector track (Bucket)."), colour::Title, 8, true);
    for (int k = 0; k < 10; ++k)
        DrawLabelledBox(330 + 34 * k, 290, 34, 22, QString::number(k + 1), k + 1 == std::min(r.position, 10) ? colour::Lime : colour::Yellow,
                  colour::Black, 7);
    text(330, 318, QStringLiteral("Bucket %1").arg(r.bucket), colour::Black, 8, true);
}

void DataFiles::drawCheckDigits()
{
    if (!customerDrawn) {
        Randomize();
        customerNumber = data::drawCustomerNumber([] { return Rnd(); });
        customerDrawn = true;
    }
    const std::string digits = std::to_string(customerNumber);
    const int L = int(digits.size());
    const int total = data::weightedSum(digits);
    text(10, 6, QStringLiteral("Stored Data Value (i.e. customer number) = %1").arg(customerNumber), colour::Title, 10, true);
    const auto weighted = [&](int y, const std::string& ds, long fill) {
        for (int i = 0; i < int(ds.size()); ++i) {
            const int w = int(ds.size()) - i;
            const int x = 10 + 62 * i;
            DrawLabelledBox(x, y, 56, 20, QString(QChar(ds[std::size_t(i)])), fill, colour::Black, 9, true);
            text(x + 4, y + 24, kTimes + QString::number(w), colour::Maroon, 8);
            text(x + 4, y + 40, QStringLiteral("= %1").arg((ds[std::size_t(i)] - '0') * w), colour::Navy, 8);
        }
    };
    weighted(36, digits, colour::Yellow);
    text(530, 36, QStringLiteral("Multiply each digit"), colour::Navy, 8);
    text(530, 50, QStringLiteral("by a weighting"), colour::Navy, 8);
    text(530, 64, QStringLiteral("value and add."), colour::Navy, 8);
    text(10, 110, QStringLiteral("Total = %1,   %1 / 11 = %2 remainder %3").arg(total).arg(total / 11).arg(total % 11),
         colour::Black, 9, true);
    text(10, 128, QStringLiteral("Modulo 11 (note remainder)"), colour::Black, 8);
    text(10, 144, QStringLiteral("Divide total by 11, remainder becomes the check digit."), colour::Black, 8);
    text(10, 164, QStringLiteral("Check digit = %1").arg(data::checkDigit(total)), colour::Green, 10, true);

    const std::string entry = data::operatorDigits(std::to_string(int64_t(operatorEntry)), L);
    const int entryTotal = data::weightedSum(entry);
    QString terms;
    for (int i = 0; i < int(entry.size()); ++i)
        terms += QStringLiteral("+ (") + QChar(entry[std::size_t(i)]) + kTimes + QString::number(L - i) + QStringLiteral(")");
    text(10, 200, QStringLiteral("Operator key entry = ") + QString::fromStdString(entry), colour::Title, 10, true);
    text(10, 222, terms.mid(2), colour::Black, 8);
    text(10, 240, QStringLiteral("= %1").arg(entryTotal), colour::Black, 8, true);
    text(10, 262, QStringLiteral("Check digit (Modulo 11) = %1").arg(data::checkDigit(entryTotal)), colour::Black, 9, true);
    const bool same = data::checkDigit(entryTotal) == data::checkDigit(total);
    text(10, 290, same ? QStringLiteral("Same check digit. Valid data.") : QStringLiteral("Data entry invalid (re-key)."),
         same ? colour::Green : colour::Red, 11, true);
}

void DataFiles::drawParity()
{
    const int byte = data::byteFromBinaryDigits(dataByte);
    const auto mode = data::ParityMode(std::clamp(parityMode, 0, 2));
    const data::ParityResult r = data::checkParity(byte, mode, errorFlag, errorBit);
    const QString digits = QString::fromStdString(data::byteDigits(byte));
    const QString kind = r.sentOnes % 2 ? QStringLiteral("Odd") : QStringLiteral("Even");
    static const char* const selected[] = {"Even Parity Selected.", "Odd Parity Selected.", "No Parity Selected."};
    heading(10, 6, QString::fromLatin1(selected[int(mode)]));
    text(10, 36, QStringLiteral("Original Data Byte"), colour::Black, 9, true);
    text(200, 36, digits, colour::Navy, 10, true);
    if (mode == data::ParityMode::None) {
        text(10, 60, QStringLiteral("Total number of binary 1s sent = %1, is %2").arg(r.sentOnes).arg(kind), colour::Black, 9);
    } else {
        text(10, 60, QStringLiteral("For %1 Parity, Parity Bit set to %2")
                         .arg(mode == data::ParityMode::Even ? QStringLiteral("Even") : QStringLiteral("Odd"))
                         .arg(r.parityBit),
             colour::Maroon, 9, true);
        text(10, 80, QStringLiteral("Total number of binary 1s sent = %1, is %2")
                         .arg(r.sentOnes)
                         .arg(mode == data::ParityMode::Even ? QStringLiteral("Even") : QStringLiteral("Odd")),
             colour::Black, 9);
    }
    const QString parity = r.parityBit < 0 ? QString() : QString::number(r.parityBit) + QStringLiteral(" ");
    const QString received = QString::fromStdString(data::byteDigits(r.received));
    text(10, 120, QStringLiteral("Transmitted Data Byte"), colour::Black, 9, true);
    text(220, 120, QStringLiteral("[ ") + parity + digits + QStringLiteral(" ]"), colour::Navy, 10, true);
    DrawArrow(330, 144, 330, 184, colour::Navy);
    if (errorFlag)
        text(350, 156, QStringLiteral("bit %1 error.").arg(errorBit), colour::Red, 9, true);
    text(10, 196, QStringLiteral("Received Data Byte"), colour::Black, 9, true);
    text(220, 196, QStringLiteral("[ ") + parity + received + QStringLiteral(" ]"), colour::Navy, 10, true);
    text(10, 222, QStringLiteral("Total number of received binary 1s = %1, is %2")
                      .arg(r.receivedOnes).arg(r.receivedOnes % 2 ? QStringLiteral("Odd") : QStringLiteral("Even")),
         colour::Black, 9);
    text(10, 250, r.correct ? QStringLiteral("Data Correct.") : QStringLiteral("Data Error."),
         r.correct ? colour::Green : colour::Red, 12, true);
    text(10, 290, QStringLiteral("Bits are numbered 7 (left) to 0 (right). A single wrong bit changes the count of 1s"),
         colour::Navy, 8);
    text(10, 306, QStringLiteral("from odd to even or back; two wrong bits cancel out and pass unnoticed."), colour::Navy, 8);
}

void DataFiles::drawCrc()
{
    std::vector<int> bytes;
    for (int k = 0; k < 8; ++k)
        bytes.push_back(int(std::lround(255 * Rnd())));
    const int64_t P = data::crcPolynomial(bytes, coefficient);
    heading(10, 4, QStringLiteral("Assembling a Data Packet for Serial Transmission."));
    text(10, 28, QStringLiteral("Data Values."), colour::Black, 8, true);
    QStringList terms;
    for (int k = 0; k < 8; ++k) {
        text(10 + 80 * k, 44, QStringLiteral("Byte%1=%2").arg(k + 1).arg(bytes[std::size_t(k)]), colour::Navy, 8);
        terms << QString::number(coefficient) + kTimes + QString::number(bytes[std::size_t(k)]) + QStringLiteral("\u00B2");
    }
    text(10, 66, terms.mid(0, 4).join(QStringLiteral(" + ")) + QStringLiteral(" +"), colour::Black, 8);
    text(10, 82, terms.mid(4).join(QStringLiteral(" + ")), colour::Black, 8);
    text(10, 104, QStringLiteral("Address = %1").arg(packetAddress), colour::Black, 9);
    text(170, 104, QStringLiteral("Coefficient = %1").arg(coefficient), colour::Black, 9);
    text(330, 104, QStringLiteral("Polynomial = %1").arg(P), colour::Black, 9);
    text(10, 124, QStringLiteral("Cyclic Redundancy Checksum = %1 : %2").arg(coefficient).arg(P), colour::Maroon, 9, true);
    heading(10, 152, QStringLiteral("Simplified Data Packet."));
    DrawLabelledBox(10, 176, 120, 40, QStringLiteral("Address"), colour::Cyan, colour::Black, 8, true);
    DrawLabelledBox(130, 176, 300, 40, QStringLiteral("Data bytes"), colour::Yellow, colour::Black, 8, true);
    DrawLabelledBox(430, 176, 200, 40, QString(), colour::Lime, colour::Black, 8);
    printCentred(530, 180, QStringLiteral("Checksum"), colour::Black, 8, 1);
    printCentred(530, 197, QStringLiteral("%1 : %2").arg(coefficient).arg(P), colour::Maroon, 7, 0);
    heading(10, 236, QStringLiteral("Make Cyclic Redundancy Check on Received Data Packet."));
    text(10, 260, QStringLiteral("1. Check destination address ours? YES, accept data packet."), colour::Black, 8);
    text(10, 278, QStringLiteral("2. Read Coefficient = (%1) ").arg(coefficient), colour::Black, 8);
    text(10, 296, QStringLiteral("3. Repeat above polynomial calculation = (%1) ").arg(P), colour::Black, 8);
    text(10, 314, QStringLiteral("4. Compare results, same then READ DATA. Else request resend."), colour::Black, 8);
}

void DataFiles::theoryParagraphs(int e, std::array<QString, 4>& p) { dataFilesTheory(e, p); }

namespace {
RegisterForm<DataFiles> reg(QStringLiteral("DataFiles"));
}

}  // namespace orr
