// Theory: the notes of the current example under the topic's caption, and the
// sizing shared with the sub-text window.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "shell/companion_windows.h"
#include "shell/main_window.h"
#include "state/suite_state.h"

namespace orr {

namespace {
// Where the label sits in its frame picture, in twips.
constexpr int kLabelLeft = 120;
constexpr int kLabelTop = 200;
}  // namespace

void centreInMainWindow(Form* w)
{
    const MainWindow* main = MainWindow::instance();
    if (!main || !w)
        return;
    w->setLeft((main->widthTwips() - w->width()) / 2);
    w->setTop((main->heightTwips() - w->height()) / 2);
}

bool isActiveChild(const Form* w)
{
    if (!w || !w->isShown())
        return false;
    if (QMdiSubWindow* sub = w->subWindow())
        return sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
    return w->isActiveWindow();
}

TextWindow::TextWindow(const QString& name, const QString& labelName) : Form(name)
{
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->backColor = QColor(255, 255, 240);
    label_ = new Label(Picture1, labelName);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setFont(QFont(QStringLiteral("Verdana"), kNarrowFont));
}

void TextWindow::formLoad() { suite().openWindowCount += 1; }
void TextWindow::formUnload() { suite().openWindowCount -= 1; }
void TextWindow::formResize() { placeFrame(); }

void TextWindow::arrange()
{
    const bool wide = suite().zoomLevel >= 1;
    const int labelWidth = wide ? kWideLabel : kNarrowLabel;
    QFont f = label_->font();
    f.setPointSize(wide ? kWideFont : kNarrowFont);
    label_->setFont(f);

    // The label grows downwards with its text, as an auto-sized label does.
    const int labelPx = twipsToPixels(labelWidth);
    const int textPx = std::max(label_->heightForWidth(labelPx), label_->fontMetrics().height());
    label_->setGeometry(twipsToPixels(kLabelLeft), twipsToPixels(kLabelTop), labelPx, textPx);
    const int labelHeight = pixelsToTwips(textPx);

    const int pictureWidth = labelWidth + kFrameExtraWidth;
    const int pictureHeight = labelHeight + kFrameExtraHeight;
    Picture1->resize(twipsToPixels(pictureWidth), twipsToPixels(pictureHeight));
    Picture1->cls();
    setSize(pictureWidth + kWindowExtraWidth, pictureHeight + kWindowExtraHeight);
    placeFrame();
    centreInMainWindow(this);
}

// The frame picture is centred in whatever inner area the window frame leaves.
void TextWindow::placeFrame()
{
    const int x = std::max(0, (QWidget::width() - Picture1->width()) / 2);
    const int y = std::max(0, (QWidget::height() - Picture1->height()) / 2);
    Picture1->move(x, y);
}

TheoryWindow::TheoryWindow() : TextWindow(QStringLiteral("Theory"), QStringLiteral("Theorylabel"))
{
    Theorylabel = label();
    setCaption(QStringLiteral("Topic Theory."));
}

void TheoryWindow::formLoad()
{
    TextWindow::formLoad();
    // The caption of the notes last asked for (a topic's caption or an information page).
    if (!suite().theoryCaption.isEmpty())
        setCaption(suite().theoryCaption);
}

void TheoryWindow::formActivate() { refresh(); }

void TheoryWindow::refresh()
{
    SuiteState& s = suite();
    s.copySource = 2;
    if (!s.theoryCaption.isEmpty())
        setCaption(s.theoryCaption);
    const QString& br = s.paragraphBreak;
    Theorylabel->setCaption(s.theory[0] + br + s.theory[1] + br + s.theory[2] + br + s.theory[3]);
    arrange();
}

void showTheoryWindow()
{
    auto* w = formAs<TheoryWindow>(QStringLiteral("Theory"));
    if (!w)
        return;
    w->showForm();
    w->bringToFront();
    // A window that was hidden (a picture click) or is already the active one
    // is not necessarily activated again, so every showing renews it here.
    w->refresh();
}

namespace {
RegisterForm<TheoryWindow> reg(QStringLiteral("Theory"));
}

}  // namespace orr
