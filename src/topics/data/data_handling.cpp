// DataHandling: the seven examples, the click items, the scanned-input flash,
// the stepped panels and the order form validated key by key.
#include "topics/data/data_handling.h"

#include <QKeyEvent>

#include "draw/board_text.h"
#include "draw/block_diagram.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/data/order_form_rules.h"

namespace orr {

namespace {

void text(int x, int y, const QString& t, long c = colour::Black, int size = 8, bool bold = false)
{
    printMeasured(x, y, t, c, size, bold);
}

void heading(int x, int y, const QString& t) { text(x, y, t, colour::Title, 10, true); }

const char* const kFieldNames[] = {"NAME", "ADDRESS", "TELEPHONE No.", "PRODUCT CODE", "1st AVAILABLE/"};
const char* const kSamples[] = {"M Jones", "25 Sycamore Drive", "0123456789", "COMP-2469", "dd/mm/yyyy"};
constexpr int kFieldX = 150, kFieldW = 170, kFieldTop = 40, kFieldPitch = 34;

// The label drawn in a unit's box: the item caption, or the shorter name the diagram uses.
QString unitLabel(int e, const QString& caption)
{
    if (e == 1 && caption.startsWith(QLatin1String("Work Station '")))
        return caption.mid(14).chopped(1);
    if (e == 1 && caption.startsWith(QLatin1String("Desktop PC")))
        return QStringLiteral("Administrator.");
    if (e == 3 && caption == QLatin1String("Second operator input."))
        return QStringLiteral("Compare with second operator input.");
    if (e == 3 && caption == QLatin1String("Echo back before confirmation."))
        return QStringLiteral("Echo inputs back to operator for confirmation.");
    return caption;
}

}  // namespace

QString dataHandlingCaption(int e)
{
    static const char* const captions[] = {"Manual Data Handling System.", "Computer Data Handling System.",
                                           "Data and Information.",        "Data Entry and Verification.",
                                           "Data Validation.",             "Methods of Processing Data.",
                                           "Data Security - Backups."};
    return e >= 0 && e < 7 ? QString::fromLatin1(captions[e]) : QString();
}

DataEntryBox::DataEntryBox(DataHandling* owner, QWidget* parent, int index)
    : QLineEdit(parent), owner_(owner), index_(index)
{
    setObjectName(controlName(QStringLiteral("DataEntryBox"), index));
}

void DataEntryBox::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Tab || k == Qt::Key_Backtab ||
        (e->text().isEmpty() && k != Qt::Key_Backspace)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QChar key = k == Qt::Key_Backspace ? QChar(8) : e->text().at(0);
    if (owner_ && !owner_->DataEntryBox_KeyPress(index_, key))
        return;  // refused: the key is discarded
    QLineEdit::keyPressEvent(e);
}

void DataEntryBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (owner_)
        owner_->DataEntryBox_LostFocus(index_);
}

DataHandling::DataHandling() : TopicForm(QStringLiteral("DataHandling"), 1, 3)
{
    title = QStringLiteral("DATA HANDLING");
    setTopicId(111);
    setDrawingFrame(0, 1.28f);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    for (int i = 0; i < data::kOrderFields; ++i) {
        auto* b = new DataEntryBox(this, Picture1, i);
        b->hide();
        DataEntryBoxes.push_back(b);
    }
    Label1 = new QLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("QLabel { background: #ffffc0; color: #800000; border: 1px solid black; }"));
    Label1->hide();
}

void DataHandling::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void DataHandling::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + dataHandlingCaption(e));
    step = 0;
    suite().selectorCount = -1;
    triggerSetup(e == 5 || e == 6, false, false);
    Trigger[0]->setCaption(e == 5 ? QStringLiteral("Next Method") : QStringLiteral("Next Backup"));
    if (e == 3)
        Timer1->start();
    else
        Timer1->stop();
    Label1->hide();
    showFields(e == 4);
}

void DataHandling::showFields(bool on)
{
    for (DataEntryBox* b : DataEntryBoxes) {
        b->setVisible(on);
        if (!on)
            b->clear();
    }
}

void DataHandling::formDeactivate() { Timer1->stop(); }

void DataHandling::formActivate()
{
    TopicForm::formActivate();
    if (example() == 3)
        Timer1->start();
}

void DataHandling::Trigger_Click(int)
{
    const int e = example();
    if (e != 5 && e != 6)
        return;
    step = (step + 1) % (e == 5 ? 4 : 3);
    results();
}

void DataHandling::Timer1_Timer()
{
    if (example() != 3) {
        Timer1->stop();
        return;
    }
    flashOn = !flashOn;
    results();
}

ClickItems DataHandling::currentItems() const { return dataHandlingItems(example(), step); }

void DataHandling::Picture1_MouseDown(double x, double y)
{
    pressClickItems(currentItems(), x, y, caption());
}

bool DataHandling::DataEntryBox_KeyPress(int index, QChar key)
{
    if (example() != 4)
        return true;
    // The key is shown first, whether it is taken or not.
    suite().currentPicture = Picture1;
    const float scale = suite().drawingScale;
    suite().drawingScale = 1.28f;
    boxOrLine(0, 10, 286, 0, 320, 18, colour::White, QStringLiteral("BF"));
    const QString shown = key == QChar(8) ? QStringLiteral("Backspace") : QString(key);
    text(10, 288, QStringLiteral("Last operator key press   '") + shown + QStringLiteral("'"), colour::Maroon, 9, true);
    suite().drawingScale = scale;
    Picture1->update();
    if (data::orderKeyAllowed(index, key)) {
        Label1->hide();
        return true;
    }
    Label1->setText(data::orderKeyRefusal(index));
    Label1->show();
    Label1->raise();
    return false;
}

void DataHandling::DataEntryBox_LostFocus(int index)
{
    if (index != 4 || example() != 4)
        return;
    const data::DateCheck c = data::checkDeliveryDate(DataEntryBoxes[4]->text(), today());
    if (c == data::DateCheck::Accepted)
        return;
    Label1->setText(data::dateMessage(c));
    Label1->show();
    Label1->raise();
}

void DataHandling::drawUnits(const ClickItems& items, int)
{
    const int e = example();
    for (const ClickItem& it : items) {
        const QString label = unitLabel(e, it.caption);
        long fill = colour::Yellow;
        if (it.caption.contains(QLatin1String("Mainframe")) || it.caption.startsWith(QLatin1String("Central")))
            fill = colour::Cyan;
        DrawLabelledBox(it.x, it.y, it.w, it.h, twoLineCaption(label, it.w - 12), fill, colour::Black, 8, true);
    }
}

void DataHandling::drawExample(int e)
{
    const ClickItems items = dataHandlingItems(e, step);
    if (e != 4 && e != 6)
        text(530, 4, QStringLiteral("Click over for details."), colour::Red, 8, true);
    // Links from the central unit to the others, drawn first so the boxes cover their ends.
    const auto linkFrom = [&](int centre) {
        const ClickItem& c = items[std::size_t(centre)];
        for (int i = 0; i < int(items.size()); ++i)
            if (i != centre)
                boxOrLine(0, c.x + c.w / 2, c.y + c.h / 2, 0, items[std::size_t(i)].x + items[std::size_t(i)].w / 2 - (c.x + c.w / 2),
                          items[std::size_t(i)].y + items[std::size_t(i)].h / 2 - (c.y + c.h / 2), colour::Grey, QString());
    };
    switch (e) {
    case 0:
        heading(10, 4, QStringLiteral("Manual Data Handling System."));
        drawUnits(items);
        text(20, 250, QStringLiteral("Documents arrive in the in tray, are worked on at the desk with the manual,"), colour::Navy, 8);
        text(20, 266, QStringLiteral("notepad and calculator, are filed in the cabinet and leave by the out tray."), colour::Navy, 8);
        break;
    case 1:
        heading(10, 4, QStringLiteral("Typical Data Processing"));
        text(10, 20, QStringLiteral("Hardware Configuration."), colour::Title, 9, true);
        linkFrom(9);
        drawUnits(items);
        break;
    case 2:
        text(20, 34, QStringLiteral("A Computer System."), colour::Title, 9, true);
        text(20, 164, QStringLiteral("An Information System."), colour::Title, 9, true);
        drawUnits(items);
        for (int row = 0; row < 2; ++row)
            for (int k = 0; k < 2; ++k) {
                const ClickItem& a = items[std::size_t(row * 3 + k)];
                DrawArrow(a.x + a.w, a.y + a.h / 2, items[std::size_t(row * 3 + k + 1)].x - 1, a.y + a.h / 2, colour::Navy);
            }
        break;
    case 3:
        heading(10, 4, QStringLiteral("A supermarket data entry system."));
        DrawArrow(200, 68, 319, 110, colour::Navy);
        DrawArrow(200, 168, 319, 130, colour::Navy);
        drawUnits(items);
        text(210, 40, QStringLiteral("Keyboard Input"), colour::Maroon, 8, true);
        text(20, 100, QStringLiteral("Manual methods prone to errors."), colour::Maroon, 7);
        DrawLabelledBox(210, 176, 100, 18, QStringLiteral("Scanned Input"), flashOn ? colour::Lime : colour::White,
                  colour::Green, 7, true);
        text(20, 200, QStringLiteral("Bar code scanner error free."), colour::Green, 7);
        heading(10, 228, QStringLiteral("Types of data verification."));
        drawUnits({items[3], items[4], items[5]});
        break;
    case 4: drawOrderForm(); break;
    case 5: {
        static const char* const names[] = {"Batch Processing.", "Interactive Processing.", "Real-Time Processing.",
                                            "Distributed Processing."};
        heading(10, 4, QString::fromLatin1(names[step % 4]));
        text(10, 20, QStringLiteral("Panel %1 of 4").arg(step % 4 + 1), colour::Grey, 7);
        linkFrom(step % 4 == 3 ? 7 : 0);
        drawUnits(items);
        break;
    }
    default: drawBackups(); break;
    }
}

void DataHandling::drawOrderForm()
{
    heading(10, 4, QStringLiteral("Simple Product Order Form"));
    text(330, 4, QStringLiteral("Today's date ") + today().toString(QStringLiteral("dd/MM/yyyy")), colour::Black, 9);
    for (int i = 0; i < data::kOrderFields; ++i) {
        const int y = kFieldTop + kFieldPitch * i;
        text(10, y + 2, QString::fromLatin1(kFieldNames[i]), colour::Navy, 8, true);
        if (i == 4)
            text(10, y + 16, QStringLiteral("DELIVERY DATE"), colour::Navy, 8, true);
        text(kFieldX + kFieldW + 8, y + 2, QString::fromLatin1(kSamples[i]), colour::Grey, 8);
        boxOrLine(0, kFieldX - 1, y - 1, 0, kFieldW + 2, 18, colour::Black, QStringLiteral("B"));
        DataEntryBox* b = DataEntryBoxes[std::size_t(i)];
        b->setGeometry(int(Picture1->toPixelX(kFieldX)), int(Picture1->toPixelY(y * 1.28)),
                       int(Picture1->toPixelX(kFieldW)), int(Picture1->toPixelY(17 * 1.28)));
    }
    text(10, 214, QStringLiteral("(dd/mm/yyyy and mm/dd/yyyy are both acceptable date"), colour::Black, 7);
    text(10, 226, QStringLiteral("formats. Therefore further validation will be necessary.)"), colour::Black, 7);
    text(10, 246, QStringLiteral("Enter details to complete the form. Tab to next field. Click over methods."), colour::Red, 8);
    text(10, 264, QStringLiteral("Press, TAB to next field"), colour::Grey, 7);
    text(470, 36, QStringLiteral("Methods of data validation."), colour::Title, 9, true);
    const char* const methods[] = {"Number of characters.", "Format of characters.", "Range of data values.",
                                   "Consistency of information.", "Size or length of data.", "Date or number format."};
    const ClickItems items = dataHandlingItems(4, 0);
    for (int k = 0; k < 6; ++k) {
        const ClickItem& it = items[std::size_t(k)];
        DrawLabelledBox(it.x, it.y, it.w, it.h, QString(), colour::Yellow, colour::Black, 7);
        text(int(it.x) + 6, int(it.y) + 2, QString::fromLatin1(methods[k]), colour::Black, 7);
    }
    Label1->setGeometry(int(Picture1->toPixelX(480)), int(Picture1->toPixelY(190 * 1.28)), int(Picture1->toPixelX(210)),
                        int(Picture1->toPixelY(60 * 1.28)));
}

void DataHandling::drawBackups()
{
    switch (step % 3) {
    case 0: {
        heading(10, 4, QStringLiteral("Generation Backup."));
        const char* gens[] = {"Grandfather", "Father", "Child"};
        for (int d = 0; d < 3; ++d) {
            const int x = 40 + 230 * d;
            text(x + 30, 34, QStringLiteral("Day %1.").arg(d + 1), colour::Navy, 9, true);
            DrawLabelledBox(x, 56, 120, 40, QStringLiteral("Master file"), colour::Cyan, colour::Black, 8);
            DrawLabelledBox(x, 140, 120, 40, QStringLiteral("Transactions"), colour::Yellow, colour::Black, 8);
            text(x + 20, 100, QString::fromLatin1(gens[d]), colour::Maroon, 8, true);
            if (d < 2) {
                DrawArrow(x + 120, 76, x + 229, 76, colour::Navy);
                DrawArrow(x + 120, 160, x + 229, 86, colour::Navy);
                text(x + 190, 146, QStringLiteral("update"), colour::Grey, 7);
            }
        }
        text(10, 220, QStringLiteral("Each update makes a new master file; the last three generations are kept, so a"), colour::Navy, 8);
        text(10, 236, QStringLiteral("lost child is rebuilt from its father and that day's transactions."), colour::Navy, 8);
        break;
    }
    case 1:
        heading(10, 4, QStringLiteral("Incremental Backup."));
        DrawLabelledBox(40, 60, 140, 50, QStringLiteral("Full backup (Day 1.)"), colour::Cyan, colour::Black, 8);
        for (int d = 0; d < 3; ++d) {
            DrawLabelledBox(230 + 150 * d, 70, 120, 30, QStringLiteral("Changes Day %1.").arg(d + 2), colour::Yellow, colour::Black, 8);
            DrawArrow(d == 0 ? 180 : 200 + 150 * d, 85, 229 + 150 * d, 85, colour::Navy);
        }
        text(10, 160, QStringLiteral("After one full backup, each day only the files changed since the last backup"), colour::Navy, 8);
        text(10, 176, QStringLiteral("are copied: quick to make, but a restore needs the full copy and every increment."), colour::Navy, 8);
        break;
    default:
        heading(10, 4, QStringLiteral("Full Backup."));
        for (int d = 0; d < 3; ++d)
            DrawLabelledBox(40 + 220 * d, 60, 160, 50, QStringLiteral("Full copy Day %1.").arg(d + 1), colour::Cyan, colour::Black, 8);
        text(10, 160, QStringLiteral("Every file is copied each time: slow and large, but one copy restores everything."),
             colour::Navy, 8);
        break;
    }
}

void DataHandling::theoryParagraphs(int e, std::array<QString, 4>& p) { dataHandlingTheory(e, p); }

namespace {
RegisterForm<DataHandling> reg(QStringLiteral("DataHandling"));
}

}  // namespace orr
