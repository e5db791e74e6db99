// Title-bar icons loaded once for all window frames (see title_bar_icons.h).
#include "platform/title_bar_icons.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QSvgRenderer>

namespace orr {

namespace {

class TitleBarIconCache : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        // Only the frame icons, asked for without an option, are the same for every window.
        if (option || which < SP_TitleBarMenuButton || which > SP_TitleBarContextHelpButton)
            return QProxyStyle::standardIcon(which, option, widget);
        auto it = icons_.constFind(which);
        if (it == icons_.constEnd())
            it = icons_.insert(which, QProxyStyle::standardIcon(which, nullptr, widget));
        return *it;
    }

private:
    mutable QHash<int, QIcon> icons_;
};

}  // namespace

void cacheTitleBarIcons()
{
    // The proxy takes the current style over; the application owns the proxy.
    QApplication::setStyle(new TitleBarIconCache(QApplication::style()->name()));
}

void useSuiteIcon()
{
    QSvgRenderer svg(QStringLiteral(":/orrinvale.svg"));
    if (!svg.isValid())
        return;
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        svg.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    QApplication::setWindowIcon(icon);
}

}  // namespace orr
