// TopicForm: opening an example, layout, toolbar set, value entry and redraw.
#include "topics/framework/topic_form.h"

#include <QApplication>
#include <cmath>

#include "shell/shell_actions.h"
#include "values/value_entry.h"

namespace orr {

namespace {
constexpr int kPairWidth = 112;
constexpr int kTriggerWidth = 100;
constexpr int kPanelHeight = 64;
constexpr int kPictureLeft = 5;

TopicForm* currentTopic() { return dynamic_cast<TopicForm*>(suite().currentWindow.data()); }

// Runs one step of a handler; a failing step is skipped and the handler goes on.
template <class F> void step(F&& f)
{
    try {
        f();
    } catch (...) {
    }
}
}  // namespace

TopicForm::TopicForm(const QString& name, int selectors, int triggers) : Form(name)
{
    buildControls(selectors, triggers);
}

void TopicForm::buildControls(int selectors, int triggers)
{
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setGeometry(kPictureLeft, 0, 701, 405);
    Picture1->setScaleWidth(701);
    Picture1->setScaleHeight(405);
    connect(Picture1, &PictureBox::pressed, this, [this](double x, double y, Qt::MouseButton) {
        Picture1_MouseDown(x, y);
        Picture1_Click(x, y);
    });

    Calcbox = new PictureBox(this, QStringLiteral("Calcbox"));
    Calcbox->resize(449, 346);
    Calcbox->setScaleWidth(417);
    Calcbox->setScaleHeight(346);
    Calcbox->hide();

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    Panel3D1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3D1->setLineWidth(2);
    Panel3D1->setGeometry(kPictureLeft, 425, 200, kPanelHeight);

    for (int i = 0; i < selectors; ++i) {
        auto* b = new CommandButton(Panel3D1, QStringLiteral("SelectButton"), i);
        b->setGeometry(6 + i * kPairWidth, 6, kPairWidth - 8, 24);
        connect(b, &CommandButton::clickedIndex, this, [this](int index) { SelectButton_Click(index); });
        SelectButton.push_back(b);
        auto* l = new Label(Panel3D1, QStringLiteral("InputLabel"), i);
        l->setGeometry(6 + i * kPairWidth, 34, kPairWidth - 8, 22);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, Qt::white);
        l->setPalette(pal);
        connect(l, &Label::changed, this, [this](int index) { InputLabel_Change(index); });
        InputLabel.push_back(l);
    }
    for (int i = 0; i < triggers; ++i) {
        auto* t = new CommandButton(Panel3D1, QStringLiteral("Trigger"), i);
        t->resize(kTriggerWidth - 8, 24);
        t->setShown(false);
        connect(t, &CommandButton::clickedIndex, this, [this](int index) { Trigger_Click(index); });
        Trigger.push_back(t);
    }

    SSPanel1 = new Panel3D(this, QStringLiteral("SSPanel1"));
    QFont f(QStringLiteral("Verdana"), 10);
    f.setBold(true);
    SSPanel1->setFont(f);
    SSPanel1->hide();
}

int TopicForm::example() const
{
    if (topicId_ < 0 || topicId_ >= int(suite().selectedExample.size()))
        return 0;
    return suite().selectedExample[topicId_];
}

void TopicForm::setLabelQuietly(int index, const QString& caption)
{
    if (index < 0 || index >= int(InputLabel.size()))
        return;
    const bool lock = suite().entryLock;
    suite().entryLock = true;
    InputLabel[index]->setCaption(caption);
    suite().entryLock = lock;
}

void TopicForm::formLoad()
{
    suite().entryLock = true;
    loadedFlag = true;
    setCaption(title);
    Proc_1();
}

void TopicForm::Proc_1()
{
    SuiteState& s = suite();
    showForm();
    s.currentWindow = this;
    step([&] { setDefaults(); });
    s.currentPicture = Picture1;
    step([&] {
        s.toolbarFlags = {};
        setToolbarFlags(s.toolbarFlags);
    });
    step([&] {
        const bool lock = s.entryLock;
        s.entryLock = true;
        configureExample(example());
        s.entryLock = lock;
    });
    step([&] { recordToolbarSet(topicId_); });
    step([&] { applyToolbarSet(s.toolbarSets[topicId_]); });
    step([&] { selectorLayout(int(SelectButton.size())); });
    step([&] { results(); });
}

void TopicForm::results()
{
    SuiteState& s = suite();
    s.currentPicture = Picture1;
    Picture1->cls();
    s.textOffset = textOffset_;
    s.drawingScale = drawingScale_;
    s.entryLock = false;
    {
        BusyCursor busy;
        step([&] { drawExample(example()); });
    }
    s.textOffset = 0;
    s.drawingScale = drawingScale_;
    s.currentWindow = this;
    s.currentPicture = Picture1;
    if (Panel3D1->isVisibleTo(this)) {
        SSPanel1->setCaption(caption());
        SSPanel1->show();
    } else {
        SSPanel1->hide();
    }
    s.entryLock = true;
}

void TopicForm::TheoryButton()
{
    SuiteState& s = suite();
    s.currentWindow = this;
    s.theoryCaption = caption();
    if (Form* t = FormRegistry::instance().loadedForm(QStringLiteral("Theory")))
        t->setCaption(caption());
    s.theory = {};
    step([&] { theoryParagraphs(example(), s.theory); });
}

void TopicForm::formActivate()
{
    suite().currentWindow = this;
    step([&] { applyToolbarSet(suite().toolbarSets[topicId_]); });
}

void TopicForm::formDeactivate() {}

void TopicForm::formResize()
{
    suite().currentWindow = this;
    step([] { windowLayout(); });
    results();
}

void TopicForm::formQueryUnload()
{
    toolbarHideCheck();
    loadedFlag = false;
}

void TopicForm::Picture1_Click(double, double)
{
    for (const char* name : {"Theory", "CalcForm"})
        if (Form* f = FormRegistry::instance().loadedForm(QLatin1String(name)))
            f->hideForm();
}

void TopicForm::SelectButton_Click(int index)
{
    SuiteState& s = suite();
    s.currentWindow = this;
    s.currentPicture = Picture1;
    s.entryLock = true;
    if (index < 0 || index >= int(InputLabel.size()))
        return;
    s.editedInputLabel = InputLabel[index];
    if (Form* calc = FormRegistry::instance().loadedForm(QStringLiteral("CalcForm")))
        calc->hideForm();
    if (Form* t = FormRegistry::instance().loadedForm(QStringLiteral("Theory")); t && t->isShown())
        t->bringToFront();
    step([&] { s.quantityType = quantityTypeFor(example(), index); });
    step([&] { OpenValueEntry(s.quantityType, index); });
    s.entryLock = false;
}

void TopicForm::InputLabel_Change(int index)
{
    if (suite().entryLock)
        return;
    step([&] {
        double v = Val(InputValueText());
        if (takesMagnitude())
            v = std::fabs(v);
        takeValue(example(), index, v);
    });
    results();
}

// ---- shared framework procedures, acting on the current window ----

void windowLayout()
{
    TopicForm* t = currentTopic();
    if (!t || isToolWindow())
        return;
    setToolbarButtonVisible(6, true);
    setToolbarButtonVisible(7, true);
    // The window's inner size in pixels, the unit the topic windows lay out in.
    const int sw = t->QWidget::width();
    const int sh = t->QWidget::height();
    if (t->Panel3D1->isVisibleTo(t)) {
        t->Picture1->setGeometry(kPictureLeft, 0, std::max(1, sw - 15), std::max(1, sh - 100));
        t->Picture1->setScaleHeight(suite().zoomLevel * 4 + 405);
        t->Picture1->setScaleWidth(701);
        const int top = t->Picture1->height() + 20;
        t->Panel3D1->move(t->Panel3D1->x(), top);
        t->SSPanel1->setGeometry(t->Panel3D1->x() + t->Panel3D1->width() + 10, top,
                                 std::max(1, sw - 23 - t->Panel3D1->width()), t->Panel3D1->height());
    } else {
        t->Picture1->setGeometry(kPictureLeft, 0, std::max(1, sw - 15), std::max(1, sh - 100));
        t->Picture1->setScaleHeight(420);
        t->Picture1->setScaleWidth(701);
        t->Picture1->resize(t->Picture1->width(), t->Picture1->height() + 80);
    }
}

void selectorLayout(int n)
{
    TopicForm* t = currentTopic();
    if (!t)
        return;
    SuiteState& s = suite();
    for (int i = 0; i < n && i < int(t->SelectButton.size()); ++i) {
        t->SelectButton[i]->hide();
        t->InputLabel[i]->hide();
    }
    int shown = 0;
    for (int i = 0; i <= s.selectorCount && i < int(t->SelectButton.size()); ++i) {
        t->SelectButton[i]->setShown(true);
        t->InputLabel[i]->show();
        shown = i + 1;
    }
    s.selectorCount = 0;
    // The triggers follow the selectors; the panel is as wide as what it holds.
    int x = 6 + shown * kPairWidth;
    int visibleTriggers = 0;
    for (CommandButton* b : t->Trigger)
        if (!b->isHidden()) {
            b->move(x + (visibleTriggers / 2) * kTriggerWidth, 6 + (visibleTriggers % 2) * 28);
            ++visibleTriggers;
        }
    x += ((visibleTriggers + 1) / 2) * kTriggerWidth;
    t->Panel3D1->resize(std::max(60, x), kPanelHeight);
    windowLayout();
}

namespace {
void showTriggers(const bool* on, int count)
{
    TopicForm* t = currentTopic();
    if (!t)
        return;
    for (int i = 0; i < count && i < int(t->Trigger.size()); ++i)
        t->Trigger[i]->setShown(on[i]);
}
}  // namespace

void triggerSetup(bool a, bool b, bool c)
{
    const bool on[3] = {a, b, c};
    showTriggers(on, 3);
}

void triggerSetup(bool a, bool b, bool c, bool d)
{
    const bool on[4] = {a, b, c, d};
    showTriggers(on, 4);
}

void calculationBoxRule()
{
    TopicForm* t = currentTopic();
    if (!t)
        return;
    PictureBox* c = t->Calcbox;
    if (suite().zoomLevel >= 1) {
        c->resize(641, c->height() * 2);
        c->setScaleHeight(c->height() / 2.0);
        c->setScaleWidth(417);
    } else {
        c->resize(449, c->height());
        c->setScaleHeight(c->height());
    }
}

void recordToolbarSet(int topicId)
{
    SuiteState& s = suite();
    if (auto* t = currentTopic())
        t->Picture1->setToolTip(QString());
    const auto& f = s.toolbarFlags;
    const int bits = (f.print ? 1 : 0) + (f.copy ? 2 : 0) + (f.notes ? 4 : 0) + (f.calcs ? 8 : 0) + (f.graph ? 16 : 0);
    if (topicId >= 0 && topicId < int(s.toolbarSets.size()))
        s.toolbarSets[topicId] = bits;
}

void applyToolbarSet(int bits)
{
    SuiteState& s = suite();
    if (s.savedWidth == 0 || s.savedHeight == 0) {
        s.savedWidth = 10875;
        s.savedHeight = 8055;
    }
    if (isToolWindow())
        return;
    if (Form* w = s.currentWindow) {
        w->setSize(s.savedWidth, s.savedHeight);
        windowLayout();
    }
    auto& f = s.toolbarFlags;
    f = {};
    if (bits >= 32)
        bits -= 32;
    if (bits >= 16) { f.graph = true; bits -= 16; }
    if (bits >= 8) { f.calcs = true; bits -= 8; }
    if (bits >= 4) { f.notes = true; bits -= 4; }
    if (bits >= 2) { f.copy = true; bits -= 2; }
    if (bits >= 1) f.print = true;
    FormRegistry::instance().unload(QStringLiteral("CalcForm"));
    FormRegistry::instance().unload(QStringLiteral("Theory"));
    setToolbarButtonVisible(1, f.print);
    setToolbarButtonVisible(2, f.copy);
    setToolbarButtonVisible(3, f.notes);
    setToolbarButtonVisible(4, f.calcs);
    setToolbarButtonVisible(5, f.graph);
}

}  // namespace orr
