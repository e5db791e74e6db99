// File and View menus. Each item does what its toolbar button or menu-bar
// step does and only when that button is offered: a shortcut pressed where
// the toolbar shows no Print button prints nothing, as a click could not.
#include "shell/output_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/form.h"
#include "platform/picture.h"
#include "shell/booklet.h"
#include "shell/main_window.h"
#include "shell/picture_export.h"
#include "shell/search_steps.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"

namespace orr {

namespace {

// One menu item: its caption (none for a separator), keys, the toolbar button
// it stands for (1..7, or 0 for none), what it does, and when it can.
struct Item {
    const char* caption;
    QList<QKeySequence> keys;
    int button;
    std::function<void(MainWindow*)> run;
    std::function<bool()> available = {};
};

bool hasPicture()
{
    Form* w = suite().currentWindow;
    return w && w->findChild<PictureBox*>(QStringLiteral("Picture1"));
}

void closeActiveWindow(MainWindow* main)
{
    if (QMdiSubWindow* sub = main->mdiArea()->activeSubWindow())
        sub->close();
}

void findInContents(MainWindow* main)
{
    main->ContentsMenu_Click();
    if (Form* c = FormRegistry::instance().loadedForm(QStringLiteral("ComputingTreeIndex")))
        if (auto* box = c->findChild<QLineEdit*>(QStringLiteral("Text1"))) {
            // Activating the window gives its first control the focus once the
            // event loop runs; the search box takes it after that.
            auto focus = [box = QPointer<QLineEdit>(box)] {
                if (box) {
                    box->setFocus(Qt::ShortcutFocusReason);
                    box->selectAll();
                }
            };
            focus();
            QTimer::singleShot(0, box, focus);
        }
}

void toolbar(MainWindow* main, int button) { main->Toolbar1_ButtonClick(button); }

const std::vector<Item>& fileItems()
{
    static const std::vector<Item> items = {
        {"Print…", {QKeySequence::Print}, 1, [](MainWindow* m) { toolbar(m, 1); }},
        {"Print All Examples…", {}, 1, [](MainWindow*) { printAllExamples(); }},
        {"Save Picture As…", {QKeySequence(Qt::CTRL | Qt::Key_S)}, 0, [](MainWindow*) { savePictureAs(); },
         hasPicture},
        {"Copy", {QKeySequence(Qt::CTRL | Qt::Key_C)}, 2, [](MainWindow* m) { toolbar(m, 2); }},
        {nullptr, {}, 0, {}},
        {"Close Window", {QKeySequence(Qt::CTRL | Qt::Key_W)}, 0, closeActiveWindow,
         [] { return suite().currentWindow != nullptr; }},
    };
    return items;
}

const std::vector<Item>& viewItems()
{
    static const std::vector<Item> items = {
        {"Scale Up", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 7,
         [](MainWindow* m) { toolbar(m, 7); }},
        {"Scale Down", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, 6, [](MainWindow* m) { toolbar(m, 6); }},
        {"Topic Notes", {QKeySequence(Qt::Key_F1)}, 3, [](MainWindow* m) { toolbar(m, 3); }},
        {nullptr, {}, 0, {}},
        {"Search Back", {QKeySequence(Qt::ALT | Qt::Key_Left)}, 0, [](MainWindow*) { searchBack(); }},
        {"Search Forward", {QKeySequence(Qt::ALT | Qt::Key_Right)}, 0, [](MainWindow*) { searchForward(); }},
        {"Find in Contents", {QKeySequence(Qt::CTRL | Qt::Key_F)}, 0, findInContents},
    };
    return items;
}

bool offered(const Item& item)
{
    if (item.button > 0 && !toolbarButtonVisible(item.button))
        return false;
    return !item.available || item.available();
}

QMenu* buildMenu(MainWindow* main, const QString& title, const char* objectName, const std::vector<Item>& items)
{
    auto* menu = new QMenu(title, main);
    menu->setObjectName(QLatin1String(objectName));
    std::vector<std::pair<QAction*, const Item*>> entries;
    for (const Item& item : items) {
        if (!item.caption) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(QString::fromUtf8(item.caption));
        a->setShortcuts(item.keys);
        a->setShortcutContext(Qt::ApplicationShortcut);
        QObject::connect(a, &QAction::triggered, main, [main, &item] {
            if (offered(item))
                item.run(main);
        });
        entries.emplace_back(a, &item);
    }
    // The menu greys what cannot be done now; the shortcuts stay live and
    // check again when pressed.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [entries] {
        for (const auto& [action, item] : entries)
            action->setEnabled(offered(*item));
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [entries] {
        for (const auto& entry : entries)
            entry.first->setEnabled(true);
    });
    // The main window holds the actions too, so their keys reach them wherever
    // the focus is inside it.
    main->addActions(menu->actions());
    return menu;
}

}  // namespace

void addOutputMenus(MainWindow* main, QMenuBar* bar)
{
    QAction* first = bar->actions().value(0);
    QMenu* file = buildMenu(main, QStringLiteral("File"), "FileMenu", fileItems());
    QMenu* view = buildMenu(main, QStringLiteral("View"), "ViewMenu", viewItems());
    bar->insertMenu(first, file);
    bar->insertMenu(first, view);
}

}  // namespace orr
