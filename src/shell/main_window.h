// MDIForm1: the main window. It hosts every other window in its MDI area and
// carries the menu bar, the seven-button toolbar and the search steps.
#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace orr {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds and starts the main window; batch mode gives it a fixed
    // 1600 x 1200 pixel size instead of maximising it.
    static MainWindow* create(bool batchMode);
    static MainWindow* instance();

    QMdiArea* mdiArea() const { return area_; }
    // Outer size in twips.
    int widthTwips() const;
    int heightTwips() const;

    void LoadContentsList();
    void Toolbar1_ButtonClick(int button);
    void editor_Click(int index);
    void ContentsMenu_Click();
    void CasWindows_Click(int index);
    void InfoSubMenu_Click(int index);
    void MDIForm_Click();

    QAction* toolbarButton(int button) const { return buttons_.at(button - 1); }
    // A menu item by its captions, e.g. {"Window", "Additional Information", "Printing"}.
    QAction* menuItem(const QStringList& path) const;

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MainWindow(bool batchMode);
    void buildMenus();
    void buildToolbar();
    void MDIForm_Load();
    void unloadCompanions(bool includingValueEntry);
    void cascadeWindows();
    void rebuildWindowList();

    bool batch_;
    bool settled_ = false;  // resize events before the window has settled are ignored
    QMdiArea* area_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* winMenu_ = nullptr;
    std::array<QAction*, 7> buttons_{};
    std::vector<QAction*> windowListActions_;
};

}  // namespace orr
