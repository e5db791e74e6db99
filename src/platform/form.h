// Form: a window of the suite, shown as a child of the main window's MDI area
// (or as a floating dialog), with its geometry in twips and the load /
// activate / resize / unload life cycle the windows are written against.
#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QMdiArea;

namespace orr {

constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(double twips) { return int(twips / kTwipsPerPixel + 0.5); }
inline int pixelsToTwips(int px) { return px * kTwipsPerPixel; }

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    QString name() const { return objectName(); }
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& c);

    // Outer geometry of the window, in twips.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setSize(int widthTwips, int heightTwips);
    // Inner (client) size in twips.
    int scaleWidth() const;
    int scaleHeight() const;

    void showForm();
    void hideForm();
    void bringToFront();
    // Places the window in the middle of the main window's client area.
    void centreInMdiArea();
    bool isShown() const;
    bool isLoaded() const { return loaded_; }
    // Floating windows (dialogs) are top-level windows instead of MDI children.
    virtual bool isFloating() const { return false; }

    // Life cycle hooks, called by the form registry and the MDI area.
    virtual void formLoad() {}
    virtual void formActivate() {}
    virtual void formDeactivate() {}
    virtual void formResize() {}
    virtual void formQueryUnload() {}
    virtual void formUnload() {}

    QMdiSubWindow* subWindow() const { return sub_; }
    QWidget* frameWidget() const;

signals:
    // The window has been unloaded (it is deleted a moment later). Windows that
    // serve it, such as the value-entry dialog, close on this.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    friend class FormRegistry;
    QPointer<QMdiSubWindow> sub_;
    bool loaded_ = false;
    bool placed_ = false;
    bool inResize_ = false;
};

// The loaded form a widget belongs to (the widget itself when it is one), or nullptr.
Form* owningForm(QWidget* w);

// Creates forms on first use (a form is loaded when it is first referred to),
// keeps the list of loaded forms and unloads them.
class FormRegistry {
public:
    using Factory = std::function<Form*()>;
    static FormRegistry& instance();

    void setMdiArea(QMdiArea* area) { area_ = area; }
    QMdiArea* mdiArea() const { return area_; }
    void registerFactory(const QString& name, Factory f);
    bool hasFactory(const QString& name) const;

    // The loaded form of that name, loading it first when needed; nullptr
    // when no form of that name exists.
    Form* form(const QString& name);
    Form* loadedForm(const QString& name) const;
    bool isLoaded(const QString& name) const { return loadedForm(name) != nullptr; }
    void unload(const QString& name);
    void unload(Form* f);
    // Loaded forms, including the main window (counted as one).
    int loadedCount() const { return int(loaded_.size()) + 1; }
    const std::vector<Form*>& loaded() const { return loaded_; }
    void unloadAll();

private:
    void attach(Form* f);
    QMdiArea* area_ = nullptr;
    std::vector<std::pair<QString, Factory>> factories_;
    std::vector<Form*> loaded_;
};

inline Form* form(const QString& name) { return FormRegistry::instance().form(name); }
template <class T> T* formAs(const QString& name) { return dynamic_cast<T*>(form(name)); }

// Registers a form factory at start-up: static RegisterForm<MyForm> reg("MyForm");
template <class T> struct RegisterForm {
    explicit RegisterForm(const QString& name)
    {
        FormRegistry::instance().registerFactory(name, [] { return new T(); });
    }
};

}  // namespace orr
