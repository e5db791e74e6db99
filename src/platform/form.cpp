// Form and FormRegistry: twips geometry, MDI placement and the life cycle.
#include "platform/form.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "platform/controls.h"
#include "platform/picture.h"
#include "state/suite_state.h"

namespace orr {

Form::Form(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form()
{
    auto& reg = FormRegistry::instance();
    auto& list = const_cast<std::vector<Form*>&>(reg.loaded());
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void Form::setCaption(const QString& c)
{
    setWindowTitle(c);
    if (sub_)
        sub_->setWindowTitle(c);
}

QWidget* Form::frameWidget() const
{
    return sub_ ? static_cast<QWidget*>(sub_.data()) : const_cast<Form*>(this);
}

int Form::left() const { return pixelsToTwips(frameWidget()->x()); }
int Form::top() const { return pixelsToTwips(frameWidget()->y()); }
int Form::width() const { return pixelsToTwips(frameWidget()->width()); }
int Form::height() const { return pixelsToTwips(frameWidget()->height()); }
void Form::setLeft(int t) { frameWidget()->move(twipsToPixels(t), frameWidget()->y()); }
void Form::setTop(int t) { frameWidget()->move(frameWidget()->x(), twipsToPixels(t)); }
void Form::setWidth(int t) { setSize(t, height()); }
void Form::setHeight(int t) { setSize(width(), t); }
void Form::setSize(int w, int h)
{
    const QSize px(std::max(1, twipsToPixels(w)), std::max(1, twipsToPixels(h)));
    if (frameWidget()->size() != px)
        frameWidget()->resize(px);
}
int Form::scaleWidth() const { return pixelsToTwips(QWidget::width()); }
int Form::scaleHeight() const { return pixelsToTwips(QWidget::height()); }

void Form::showForm()
{
    if (sub_ && !placed_ && sub_->mdiArea()) {
        // A window shown for the first time opens near the top left of the
        // main window, each one a step further in, as cascaded windows do.
        placed_ = true;
        int open = 0;
        for (QMdiSubWindow* other : sub_->mdiArea()->subWindowList())
            if (other != sub_ && other->isVisible() && other->widget() &&
                other->widget()->objectName() != QLatin1String("Sponsor"))
                ++open;
        const int step = 24 * (open % 8);
        sub_->move(step, step);
    }
    frameWidget()->show();
    QWidget::show();
}

void Form::centreInMdiArea()
{
    QWidget* frame = frameWidget();
    QWidget* host = sub_ && sub_->mdiArea() ? sub_->mdiArea()->viewport() : nullptr;
    if (!host)
        return;
    frame->move(std::max(0, (host->width() - frame->width()) / 2), std::max(0, (host->height() - frame->height()) / 2));
}

void Form::hideForm() { frameWidget()->hide(); }

void Form::bringToFront()
{
    if (sub_ && sub_->mdiArea()) {
        if (!sub_->isVisible())
            return;
        sub_->mdiArea()->setActiveSubWindow(sub_);
        sub_->raise();
    } else {
        raise();
        activateWindow();
    }
}

bool Form::isShown() const { return frameWidget()->isVisible(); }

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!loaded_ || inResize_)
        return;
    inResize_ = true;
    formResize();
    inResize_ = false;
}

void Form::closeEvent(QCloseEvent* e)
{
    // Closing a window unloads it; the registry deletes it later.
    e->ignore();
    FormRegistry::instance().unload(this);
}

Form* owningForm(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (auto* f = qobject_cast<Form*>(w))
            return f;
    return nullptr;
}

FormRegistry& FormRegistry::instance()
{
    static FormRegistry reg;
    return reg;
}

void FormRegistry::registerFactory(const QString& name, Factory f)
{
    for (auto& [n, fac] : factories_)
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            fac = std::move(f);
            return;
        }
    factories_.emplace_back(name, std::move(f));
}

bool FormRegistry::hasFactory(const QString& name) const
{
    return std::any_of(factories_.begin(), factories_.end(),
                       [&](const auto& p) { return p.first.compare(name, Qt::CaseInsensitive) == 0; });
}

Form* FormRegistry::loadedForm(const QString& name) const
{
    for (Form* f : loaded_)
        if (f->name().compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return nullptr;
}

void FormRegistry::attach(Form* f)
{
    if (!area_ || f->isFloating()) {
        f->setWindowFlag(Qt::Window, true);
        return;
    }
    auto* sub = new QMdiSubWindow;
    sub->setWidget(f);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowTitle(f->windowTitle());
    sub->setObjectName(f->name() + QStringLiteral("_frame"));
    // The frame's own menu keeps no keys of its own: Ctrl+W is the main
    // window's Close Window, and two actions on one key would fire neither.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* a : menu->actions())
            a->setShortcuts({});
    area_->addSubWindow(sub);
    sub->hide();
    f->sub_ = sub;
    // Closing the frame closes (unloads) the form.
    QObject::connect(sub, &QObject::destroyed, f, [f] { f->sub_ = nullptr; });
}

Form* FormRegistry::form(const QString& name)
{
    if (Form* f = loadedForm(name))
        return f;
    for (auto& [n, fac] : factories_) {
        if (n.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        Form* f = fac();
        attach(f);
        loaded_.push_back(f);
        f->loaded_ = true;
        f->formLoad();
        return f;
    }
    return nullptr;
}

void FormRegistry::unload(Form* f)
{
    if (!f || !f->loaded_)
        return;
    // The window leaves the loaded list first, so that its own unload checks
    // ("is any topic window still loaded?") already see it gone.
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), f), loaded_.end());
    f->formQueryUnload();
    f->loaded_ = false;
    f->formUnload();
    // Nothing may keep drawing on, calling into or writing to a window that is
    // going away: the shared references let go of it now, its timers stop, and
    // whatever serves it hears of it. (The guarded pointers would only let go
    // once it is deleted, a moment later.)
    SuiteState& s = suite();
    if (s.currentWindow == f)
        s.currentWindow = nullptr;
    if (s.currentPicture && f->isAncestorOf(s.currentPicture))
        s.currentPicture = nullptr;
    if (s.editedInputLabel && f->isAncestorOf(s.editedInputLabel))
        s.editedInputLabel = nullptr;
    for (QTimer* t : f->findChildren<QTimer*>())
        t->stop();
    emit f->unloaded();
    QWidget* frame = f->frameWidget();
    frame->hide();
    if (f->sub_) {
        if (area_)
            area_->removeSubWindow(f->sub_);
        f->sub_->deleteLater();  // deletes the form with it
    } else {
        f->deleteLater();
    }
}

void FormRegistry::unload(const QString& name) { unload(loadedForm(name)); }

void FormRegistry::unloadAll()
{
    while (!loaded_.empty())
        unload(loaded_.back());
}

}  // namespace orr
