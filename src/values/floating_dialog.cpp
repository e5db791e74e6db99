// Placement and activation rules of the floating entry dialogs.
#include "values/floating_dialog.h"

#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>

#include "platform/form.h"

namespace orr {

QWidget* dialogOwner()
{
    QMdiArea* area = FormRegistry::instance().mdiArea();
    return area ? area->window() : nullptr;
}

void placeOverMainWindow(QWidget* dialog)
{
    if (QWidget* main = dialogOwner())
        dialog->move(main->geometry().center() - dialog->rect().center());
}

void raiseWindow(QWidget* dialog)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        dialog->raise();
}

bool activationMovedElsewhere(const QWidget* dialog)
{
    if (dialog->isActiveWindow())
        return false;
    QWidget* now = QApplication::activeWindow();
    return now && !QApplication::activeModalWidget() && !qobject_cast<QMessageBox*>(now);
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void setUpEntryDialog(Form* dialog, const QString& caption, int widthTwips, int heightTwips)
{
    if (QWidget* main = dialogOwner())
        dialog->setParent(main, Qt::Dialog);
    dialog->setCaption(caption);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    dialog->setFont(arial);
    dialog->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

}  // namespace orr
