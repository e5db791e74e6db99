// Copy_right: the start-up notice. It closes itself after five seconds unless
// it was opened from the Window menu.
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "state/suite_state.h"

namespace orr {

namespace {

class CopyRight : public Form {
public:
    CopyRight() : Form(QStringLiteral("Copy_right"))
    {
        setCaption(QStringLiteral("Orrinvale V10"));
        auto* lay = new QVBoxLayout(this);
        auto* panel = new Panel3D(this, QStringLiteral("SSPanel1"));
        panel->setFont(QFont(QStringLiteral("Comic Sans MS"), 14, QFont::Bold));
        panel->setCaption(QStringLiteral("Orrinvale V10 : FREE download software."));
        lay->addWidget(panel);
        picture_ = new PictureBox(this, QStringLiteral("Picture1"));
        picture_->setFixedSize(420, 180);
        lay->addWidget(picture_);
        timer_ = new QTimer(this);
        timer_->setObjectName(QStringLiteral("Timer1"));
        timer_->setInterval(5000);
        connect(timer_, &QTimer::timeout, this, [this] {
            timer_->stop();
            FormRegistry::instance().unload(this);
        });
    }

    void formLoad() override
    {
        timer_->start();
        suite().openWindowCount += 1;
        drawNotice();
        setSize(pixelsToTwips(460), pixelsToTwips(290));
    }
    void formUnload() override
    {
        timer_->stop();
        suite().openWindowCount -= 1;
    }

private:
    // The notice image: the suite's name over a circuit-board motif.
    void drawNotice()
    {
        picture_->cls();
        QImage img(420, 180, QImage::Format_RGB32);
        img.fill(QColor(0, 64, 96));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(80, 200, 160), 2));
        for (int i = 0; i < 8; ++i) {
            const int y = 20 + i * 20;
            p.drawLine(10, y, 60 + (i * 37) % 90, y);
            p.drawEllipse(QPointF(60 + (i * 37) % 90, y), 3, 3);
        }
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Comic Sans MS"), 26, QFont::Bold));
        p.drawText(QRect(130, 20, 280, 60), Qt::AlignCenter, QStringLiteral("Orrinvale V10"));
        p.setFont(QFont(QStringLiteral("Verdana"), 10));
        p.drawText(QRect(130, 85, 280, 80), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("Computers, digital electronics, data handling and programming.\n"
                                  "Interactive tutorials for school and college."));
        picture_->paintPicture(img, 0, 0);
    }

    PictureBox* picture_;
    QTimer* timer_;
};

RegisterForm<CopyRight> reg(QStringLiteral("Copy_right"));

}  // namespace
}  // namespace orr
