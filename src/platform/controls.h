// Controls the windows are built from: labels whose caption change fires a
// change handler, command buttons with an index, three-dimensional panels and
// frames, and the mouse pointer.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace orr {

// A label; assigning its caption fires changed(), as a learner-facing value
// label does when the value-entry dialog writes into it.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr, const QString& name = QString(), int index = -1);
    QString caption() const { return text(); }
    void setCaption(const QString& c);
    int index() const { return index_; }
signals:
    void changed(int index);
    void clicked(int index);
protected:
    void mousePressEvent(QMouseEvent*) override;
private:
    int index_;
};

// A command button that knows its place in a control array.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& name = QString(), int index = -1);
    QString caption() const { return text(); }
    void setCaption(const QString& c) { setText(c); }
    int index() const { return index_; }
    // Shows or hides and enables or disables the button together.
    void setShown(bool on);
signals:
    void clickedIndex(int index);
private:
    int index_;
};

// A raised panel that can show a centred caption (the caption strip beside the selectors).
class Panel3D : public QFrame {
    Q_OBJECT
public:
    explicit Panel3D(QWidget* parent = nullptr, const QString& name = QString());
    QString caption() const;
    void setCaption(const QString& c);
private:
    QLabel* label_;
};

// Name of a control in an array, as the batch driver and tests address it: "SelectButton(2)".
QString controlName(const QString& base, int index);

// Hourglass while a handler redraws; nesting is counted.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace orr
