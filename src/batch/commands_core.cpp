// The batch driver's general commands: menus, toolbar, clicks, keys, reading
// controls and pictures, messages, windows, shared state, pictures to files.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <cmath>

#include "batch/batch_command.h"
#include "batch/batch_driver.h"
#include "batch/batch_state.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shell/main_window.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/topic_form.h"

namespace orr {

namespace {

QWidget* requireControl(const QString& name)
{
    QWidget* w = batchFindControl(name.trimmed());
    if (!w)
        throw BatchError(QStringLiteral("no control '%1' in the active window").arg(name.trimmed()));
    return w;
}

TopicForm* requireTopic()
{
    auto* t = dynamic_cast<TopicForm*>(suite().currentWindow.data());
    if (!t)
        throw BatchError(QStringLiteral("the current window has no picture"));
    return t;
}

PictureBox* currentPicture1()
{
    if (auto* t = dynamic_cast<TopicForm*>(suite().currentWindow.data()))
        return t->Picture1;
    if (Form* f = suite().currentWindow)
        if (auto* p = f->findChild<PictureBox*>(QStringLiteral("Picture1")))
            return p;
    throw BatchError(QStringLiteral("the current window has no Picture1"));
}

QString escapeBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return text;
}

void printTexts(BatchContext& c, const PictureBox* p)
{
    for (const PrintedText& t : p->printedTexts())
        c.out << std::lround(t.x) << '\t' << std::lround(t.y) << '\t' << t.text << '\n';
}

QWidget* keyTarget()
{
    QWidget* w = batchActiveWindow();
    if (!w)
        throw BatchError(QStringLiteral("no active window"));
    QWidget* f = w->focusWidget();
    if (!f) {
        // Nothing has had the focus yet: the first text box takes the keys, as it would on opening.
        f = w->findChild<QLineEdit*>();
        if (!f)
            f = w;
    }
    return f;
}

void sendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

int keyFor(QChar ch)
{
    const QChar up = ch.toUpper();
    if (up >= QLatin1Char('A') && up <= QLatin1Char('Z'))
        return Qt::Key_A + (up.unicode() - 'A');
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return Qt::Key_0 + (ch.unicode() - '0');
    return ch.unicode();
}

BatchCommand cmdEcho(QStringLiteral("echo"), [](BatchContext& c, const QString& a) { c.out << a << '\n'; });

BatchCommand cmdMenu(QStringLiteral("menu"), [](BatchContext&, const QString& a) {
    QAction* item = MainWindow::instance()->menuItem(a.split(QLatin1Char('/')));
    if (!item)
        throw BatchError(QStringLiteral("no menu item '%1'").arg(a));
    item->trigger();
});

BatchCommand cmdToolbar(QStringLiteral("toolbar"), [](BatchContext&, const QString& a) {
    bool ok = false;
    const int n = a.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 7)
        throw BatchError(QStringLiteral("toolbar button must be 1 to 7"));
    if (!toolbarButtonVisible(n))
        throw BatchError(QStringLiteral("toolbar button %1 is not shown").arg(n));
    MainWindow::instance()->Toolbar1_ButtonClick(n);
});

BatchCommand cmdClick(QStringLiteral("click"), [](BatchContext&, const QString& a) {
    QWidget* w = requireControl(a);
    if (!w->isVisibleTo(w->window()) || !w->isEnabled())
        throw BatchError(QStringLiteral("'%1' is not shown or not enabled").arg(a.trimmed()));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->click();
    else if (auto* l = qobject_cast<Label*>(w))
        emit l->clicked(l->index());
    else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // A click into a text box activates its window and gives the box the
        // focus, so the box that had it sees it leave.
        e->window()->activateWindow();
        e->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    else
        throw BatchError(QStringLiteral("'%1' cannot be clicked").arg(a.trimmed()));
});

BatchCommand cmdClickPic(QStringLiteral("clickpic"), [](BatchContext&, const QString& a) {
    const QStringList xy = a.simplified().split(QLatin1Char(' '));
    bool okx = false, oky = false;
    const double x = xy.value(0).toDouble(&okx), y = xy.value(1).toDouble(&oky);
    if (!okx || !oky)
        throw BatchError(QStringLiteral("clickpic needs X and Y"));
    PictureBox* p = currentPicture1();
    const QPointF pos(p->toPixelX(x), p->toPixelY(y));
    QMouseEvent press(QEvent::MouseButtonPress, pos, p->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(p, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, p->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(p, &release);
});

BatchCommand cmdType(QStringLiteral("type"), [](BatchContext&, const QString& a) {
    for (QChar ch : a)
        sendKey(keyTarget(), keyFor(ch), QString(ch));
});

BatchCommand cmdKey(QStringLiteral("key"), [](BatchContext&, const QString& a) {
    const QString k = a.trimmed();
    if (k.compare(QLatin1String("Enter"), Qt::CaseInsensitive) == 0)
        sendKey(keyTarget(), Qt::Key_Return, QStringLiteral("\r"));
    else if (k.compare(QLatin1String("Escape"), Qt::CaseInsensitive) == 0)
        sendKey(keyTarget(), Qt::Key_Escape, QString(QChar(27)));
    else if (k.compare(QLatin1String("Tab"), Qt::CaseInsensitive) == 0)
        sendKey(keyTarget(), Qt::Key_Tab, QStringLiteral("\t"));
    else if (k.compare(QLatin1String("Backspace"), Qt::CaseInsensitive) == 0)
        sendKey(keyTarget(), Qt::Key_Backspace, QString(QChar(8)));
    else if (a.size() == 1)
        sendKey(keyTarget(), keyFor(a[0]), a);
    else
        throw BatchError(QStringLiteral("unknown key '%1'").arg(a));
});

BatchCommand cmdSet(QStringLiteral("set"), [](BatchContext&, const QString& a) {
    const int space = a.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? a : a.left(space);
    const QString text = space < 0 ? QString() : a.mid(space + 1);
    QWidget* w = requireControl(name);
    QString t = text;
    t.replace(QLatin1String("\\n"), QLatin1String("\n"));
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(t);
        emit e->textEdited(t);
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
        pe->setPlainText(t);
    } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
        te->setPlainText(t);
    } else if (auto* sb = qobject_cast<QSpinBox*>(w)) {
        // An up-down control: the value, through its change handler.
        bool ok = false;
        const int v = t.trimmed().toInt(&ok);
        if (!ok)
            throw BatchError(QStringLiteral("'%1' needs a whole number").arg(name));
        sb->setValue(v);
    } else if (auto* sl = qobject_cast<QSlider*>(w)) {
        // A slider: the value, through its change handler.
        bool ok = false;
        const int v = t.trimmed().toInt(&ok);
        if (!ok)
            throw BatchError(QStringLiteral("'%1' needs a whole number").arg(name));
        sl->setValue(v);
    } else {
        throw BatchError(QStringLiteral("'%1' is not a text box").arg(name));
    }
});

BatchCommand cmdWait(QStringLiteral("wait"), [](BatchContext&, const QString& a) {
    bool ok = false;
    const int ms = a.trimmed().toInt(&ok);
    if (!ok || ms < 0)
        throw BatchError(QStringLiteral("wait needs milliseconds"));
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
});

BatchCommand cmdGet(QStringLiteral("get"), [](BatchContext& c, const QString& a) {
    const QString name = a.trimmed();
    if (name.compare(QLatin1String("caption"), Qt::CaseInsensitive) == 0) {
        // Before any topic or tool window is current, the caption is the main window's.
        QWidget* w = batchActiveWindow();
        if (!w)
            w = MainWindow::instance();
        c.out << w->windowTitle() << '\n';
        return;
    }
    QWidget* w = requireControl(name);
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        text = e->text();
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
        text = pe->toPlainText();
    else if (auto* te = qobject_cast<QTextEdit*>(w))
        text = te->toPlainText();
    else if (auto* p = qobject_cast<Panel3D*>(w))
        text = p->caption();
    else
        text = w->windowTitle();
    c.out << escapeBreaks(text) << '\n';
});

BatchCommand cmdTexts(QStringLiteral("texts"), [](BatchContext& c, const QString&) { printTexts(c, currentPicture1()); });

BatchCommand cmdCalcTexts(QStringLiteral("calctexts"), [](BatchContext& c, const QString&) {
    printTexts(c, requireTopic()->Calcbox);
});

BatchCommand cmdMessages(QStringLiteral("messages"), [](BatchContext& c, const QString&) {
    for (const LoggedMessage& m : takeMessages())
        c.out << m.title << '\t' << escapeBreaks(m.text) << '\n';
});

BatchCommand cmdWindows(QStringLiteral("windows"), [](BatchContext& c, const QString&) {
    std::vector<Form*> order;
    for (Form* f : FormRegistry::instance().loaded())
        if (f->isFloating() && f->isShown())
            order.push_back(f);
    const auto subs = MainWindow::instance()->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if (auto* f = qobject_cast<Form*>((*it)->widget()); f && f->isLoaded())
            order.push_back(f);
    for (Form* f : FormRegistry::instance().loaded())
        if (std::find(order.begin(), order.end(), f) == order.end())
            order.push_back(f);
    for (Form* f : order)
        c.out << f->name() << '\t' << f->caption() << '\t' << (f->isShown() ? 1 : 0) << '\n';
});

BatchCommand cmdToolbarState(QStringLiteral("toolbarstate"), [](BatchContext& c, const QString&) {
    QStringList shown;
    for (int b = 1; b <= 7; ++b)
        if (toolbarButtonVisible(b))
            shown << QString::number(b);
    c.out << shown.join(QLatin1Char(' ')) << '\n';
});

BatchCommand cmdState(QStringLiteral("state"), [](BatchContext& c, const QString& a) {
    const QString name = a.trimmed().toLower();
    const SuiteState& s = suite();
    if (name == QLatin1String("zoom"))
        c.out << s.zoomLevel << '\n';
    else if (name == QLatin1String("scale"))
        c.out << s.drawingScale << '\n';
    else if (name == QLatin1String("offset"))
        c.out << s.textOffset << '\n';
    else if (name == QLatin1String("position"))
        c.out << s.contentsPosition << '\n';
    else if (name == QLatin1String("openwindows"))
        c.out << s.openWindowCount << '\n';
    else if (name == QLatin1String("entrylock"))
        c.out << (s.entryLock ? "True" : "False") << '\n';
    else if (name == QLatin1String("example"))
        c.out << requireTopic()->example() << '\n';
    else if (auto provider = findBatchState(name))
        c.out << provider() << '\n';
    else
        throw BatchError(QStringLiteral("unknown state '%1'").arg(a.trimmed()));
});

BatchCommand cmdSave(QStringLiteral("save"), [](BatchContext&, const QString& a) {
    if (!currentPicture1()->image().save(a.trimmed(), "PNG"))
        throw BatchError(QStringLiteral("cannot write '%1'").arg(a.trimmed()));
});

BatchCommand cmdSaveWindow(QStringLiteral("savewindow"), [](BatchContext&, const QString& a) {
    if (!MainWindow::instance()->grab().save(a.trimmed(), "PNG"))
        throw BatchError(QStringLiteral("cannot write '%1'").arg(a.trimmed()));
});

}  // namespace
}  // namespace orr
