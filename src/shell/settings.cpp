// The settings kept between runs, read and checked value by value, and where
// they come from and go to in the running suite.
#include "shell/settings.h"

#include <QScreen>
#include <QSettings>
#include <QTreeWidget>
#include <QWindow>
#include <cmath>

#include "platform/form.h"
#include "shell/contents_window.h"
#include "shell/main_window.h"
#include "state/suite_state.h"

namespace orr {

namespace {

// The keys, grouped as the settings file shows them.
const QString kMainWidth = QStringLiteral("MainWindow/width");
const QString kMainHeight = QStringLiteral("MainWindow/height");
const QString kMaximised = QStringLiteral("MainWindow/maximised");
const QString kTopicWidth = QStringLiteral("Topic/width");
const QString kTopicHeight = QStringLiteral("Topic/height");
const QString kZoom = QStringLiteral("Topic/zoom");
const QString kPosition = QStringLiteral("Contents/position");

// A main window smaller than this cannot show its menus and contents window;
// larger than any screen is nonsense.
constexpr int kMainMinWidth = 400, kMainMinHeight = 300, kMaxPixels = 16384;
// Topic windows never open below their design size (the scale-down step
// brings them back to it); the upper bound is the largest screen again.
constexpr int kTopicMinWidth = 10875, kTopicMinHeight = 8055, kMaxTwips = kMaxPixels * kTwipsPerPixel;
// The scale-up step goes 0, 2, 3, ... and stops long before this.
constexpr int kMaxZoom = 20;

std::optional<int> readInt(QSettings& store, const QString& key, int low, int high)
{
    const QVariant v = store.value(key);
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!v.isValid() || !ok || n < low || n > high)
        return std::nullopt;
    return n;
}

std::optional<bool> readBool(QSettings& store, const QString& key)
{
    const QVariant v = store.value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    // Read from a file every value is text; only the two words a bool is written as count.
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

std::optional<QSize> readSize(QSettings& store, const QString& widthKey, const QString& heightKey, QSize low,
                              QSize high)
{
    const auto w = readInt(store, widthKey, low.width(), high.width());
    const auto h = readInt(store, heightKey, low.height(), high.height());
    if (!w || !h)
        return std::nullopt;
    return QSize(*w, *h);
}

ComputingTreeIndex* loadedContentsWindow()
{
    return dynamic_cast<ComputingTreeIndex*>(FormRegistry::instance().loadedForm(QStringLiteral("ComputingTreeIndex")));
}

// The learner's settings file, in the user's configuration folder.
struct UserStore : QSettings {
    UserStore() : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orrinvale"),
                            QStringLiteral("Orrinvale V10")) {}
};

}  // namespace

KeptSettings readSettings(QSettings& store)
{
    KeptSettings k;
    if (store.status() != QSettings::NoError)
        return k;
    k.mainWindowSize = readSize(store, kMainWidth, kMainHeight, QSize(kMainMinWidth, kMainMinHeight),
                                QSize(kMaxPixels, kMaxPixels));
    k.maximised = readBool(store, kMaximised);
    k.topicSize = readSize(store, kTopicWidth, kTopicHeight, QSize(kTopicMinWidth, kTopicMinHeight),
                           QSize(kMaxTwips, kMaxTwips));
    // The zoom enlarges the fonts of a window grown to match, so a zoom without
    // a kept window size would crowd a design-size window: it is dropped.
    const QVariant zoom = store.value(kZoom);
    bool ok = false;
    const double z = zoom.toDouble(&ok);
    if (ok && std::isfinite(z) && z == std::floor(z) && (z == 0 || (z >= 2 && z <= kMaxZoom)) &&
        (z == 0 || k.topicSize))
        k.zoomLevel = float(z);
    k.contentsPosition = readInt(store, kPosition, suite().indexFirst, suite().indexLast);
    return k;
}

void writeSettings(QSettings& store, const KeptSettings& kept)
{
    if (kept.mainWindowSize) {
        store.setValue(kMainWidth, kept.mainWindowSize->width());
        store.setValue(kMainHeight, kept.mainWindowSize->height());
    }
    if (kept.maximised)
        store.setValue(kMaximised, *kept.maximised);
    if (kept.topicSize) {
        store.setValue(kTopicWidth, kept.topicSize->width());
        store.setValue(kTopicHeight, kept.topicSize->height());
    }
    if (kept.zoomLevel)
        store.setValue(kZoom, int(*kept.zoomLevel));
    if (kept.contentsPosition)
        store.setValue(kPosition, *kept.contentsPosition);
}

void applySettings(const KeptSettings& kept)
{
    SuiteState& s = suite();
    MainWindow* w = MainWindow::instance();
    std::optional<QSize> topicSize = kept.topicSize;
    std::optional<float> zoom = kept.zoomLevel;
    // A topic size kept on a larger screen would not fit on this one: topics
    // open at their design size, and unzoomed, as on a first run.
    if (QScreen* screen = w ? w->screen() : nullptr; screen && topicSize) {
        const QSize available = screen->availableGeometry().size();
        if (twipsToPixels(topicSize->width()) > available.width() ||
            twipsToPixels(topicSize->height()) > available.height()) {
            topicSize.reset();
            if (zoom && *zoom > 0)
                zoom.reset();
        }
    }
    if (topicSize) {
        s.savedWidth = topicSize->width();
        s.savedHeight = topicSize->height();
    }
    if (zoom)
        s.zoomLevel = *zoom;
    if (kept.contentsPosition) {
        // The search steps go on from here; the contents tree shows the entry
        // selected without opening it, so start-up stays as it always is.
        s.contentsPosition = *kept.contentsPosition;
        if (ComputingTreeIndex* c = loadedContentsWindow())
            if (QTreeWidgetItem* item = c->node(s.contentsPosition - 1)) {
                c->TreeView1->setCurrentItem(item);
                c->TreeView1->scrollToItem(item);
            }
    }
    if (w && kept.maximised == false && kept.mainWindowSize) {
        QSize size = *kept.mainWindowSize;
        if (QScreen* screen = w->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        // Start-up has shown the window maximised. Before anything is drawn it
        // is shown afresh at the kept size: a new native window carries the
        // normal state from the start, where asking the window system to undo
        // the maximising would flash, and without a window manager would not
        // be undone at all.
        w->hide();
        if (QWindow* native = w->windowHandle())
            native->destroy();
        w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
        w->resize(size);
        w->show();
    }
}

KeptSettings currentSettings()
{
    const SuiteState& s = suite();
    KeptSettings k;
    if (MainWindow* w = MainWindow::instance()) {
        k.maximised = w->isMaximized();
        // A maximised window's own size is the screen's; the size it had before stays kept.
        if (!w->isMaximized() && !w->isMinimized() && !w->isFullScreen())
            k.mainWindowSize = w->size();
    }
    if (s.savedWidth >= kTopicMinWidth && s.savedHeight >= kTopicMinHeight)
        k.topicSize = QSize(s.savedWidth, s.savedHeight);
    k.zoomLevel = s.zoomLevel;
    if (s.contentsPosition >= s.indexFirst && s.contentsPosition <= s.indexLast)
        k.contentsPosition = s.contentsPosition;
    return k;
}

void restoreSettings()
{
    UserStore store;
    applySettings(readSettings(store));
}

void saveSettings()
{
    UserStore store;
    // A file that could not be read is replaced as a whole rather than patched.
    if (store.status() != QSettings::NoError)
        store.clear();
    writeSettings(store, currentSettings());
    store.sync();
}

}  // namespace orr
