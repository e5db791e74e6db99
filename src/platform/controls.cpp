// Labels, buttons, panels and the hourglass pointer.
#include "platform/controls.h"

#include <QApplication>
#include <QHBoxLayout>

namespace orr {

QString controlName(const QString& base, int index)
{
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

Label::Label(QWidget* parent, const QString& name, int index) : QLabel(parent), index_(index)
{
    setObjectName(controlName(name, index));
}

void Label::setCaption(const QString& c)
{
    setText(c);
    emit changed(index_);
}

void Label::mousePressEvent(QMouseEvent* e)
{
    QLabel::mousePressEvent(e);
    emit clicked(index_);
}

CommandButton::CommandButton(QWidget* parent, const QString& name, int index)
    : QPushButton(parent), index_(index)
{
    setObjectName(controlName(name, index));
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { emit clickedIndex(index_); });
}

void CommandButton::setShown(bool on)
{
    setVisible(on);
    setEnabled(on);
}

Panel3D::Panel3D(QWidget* parent, const QString& name) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignCenter);
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(4, 2, 4, 2);
    lay->addWidget(label_);
}

QString Panel3D::caption() const { return label_->text(); }
void Panel3D::setCaption(const QString& c) { label_->setText(c); }

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace orr
