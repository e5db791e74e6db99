// Unloading a window lets go of everything that points into it: the shared
// references, its timers, and whoever listens for its going.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "state/suite_state.h"

using namespace orr;

namespace {

// A window with a picture, a value label and a running timer.
class BusyWindow : public Form {
public:
    BusyWindow() : Form(QStringLiteral("BusyWindow"))
    {
        picture = new PictureBox(this, QStringLiteral("Picture1"));
        label = new Label(this, QStringLiteral("InputLabel"), 0);
        timer = new QTimer(this);
        timer->setInterval(1000);
    }
    PictureBox* picture;
    Label* label;
    QTimer* timer;
};

const RegisterForm<BusyWindow> registerBusy(QStringLiteral("BusyWindow"));

TEST(FormUnload, SharedReferencesTimersAndListenersLetGo)
{
    auto* w = formAs<BusyWindow>(QStringLiteral("BusyWindow"));
    ASSERT_NE(w, nullptr);
    // Another window stays current: only references into the unloaded one go.
    PictureBox elsewhere;
    const struct {
        const char* what;
        bool intoWindow;  // the shared references point into the window
    } cases[] = {{"references into the window", true}, {"references elsewhere", false}};
    for (const auto& c : cases) {
        w = formAs<BusyWindow>(QStringLiteral("BusyWindow"));
        SuiteState& s = suite();
        s.currentWindow = c.intoWindow ? static_cast<Form*>(w) : nullptr;
        s.currentPicture = c.intoWindow ? w->picture : &elsewhere;
        s.editedInputLabel = c.intoWindow ? w->label : nullptr;
        w->timer->start();
        int heard = 0;
        QObject::connect(w, &Form::unloaded, [&heard] { ++heard; });

        FormRegistry::instance().unload(w);

        EXPECT_EQ(heard, 1) << c.what;
        EXPECT_FALSE(w->timer->isActive()) << c.what;
        EXPECT_EQ(s.currentWindow, nullptr) << c.what;
        EXPECT_EQ(s.editedInputLabel, nullptr) << c.what;
        EXPECT_EQ(s.currentPicture, c.intoWindow ? nullptr : &elsewhere) << c.what;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    suite().currentPicture = nullptr;
}

TEST(FormUnload, GuardedReferencesReadNullOnceTheWindowIsDeleted)
{
    auto* w = new BusyWindow;
    SuiteState& s = suite();
    s.currentWindow = w;
    s.currentPicture = w->picture;
    s.editedInputLabel = w->label;
    delete w;
    EXPECT_EQ(s.currentWindow, nullptr);
    EXPECT_EQ(s.currentPicture, nullptr);
    EXPECT_EQ(s.editedInputLabel, nullptr);
}

}  // namespace
