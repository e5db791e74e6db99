// Test fixture: the main window with the data bus example freshly opened at
// the design size and zoom level 0, the other windows a test names closed.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <initializer_list>
#include <vector>

#include "suite_fixture.h"
#include "topics/framework/topic_form.h"

namespace orr::test {

class FreshTopic : public ::testing::Test {
protected:
    explicit FreshTopic(std::initializer_list<const char*> alsoClosed = {}) : alsoClosed_(alsoClosed) {}
    void SetUp() override
    {
        main = mainWindow();
        FormRegistry::instance().unload(QStringLiteral("DataAddressBus"));
        for (const char* name : alsoClosed_)
            FormRegistry::instance().unload(QLatin1String(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        suite().zoomLevel = 0;
        suite().savedWidth = suite().savedHeight = 0;
        topic = openTopic<TopicForm>(QStringLiteral("DataAddressBus"), 0);
        ASSERT_NE(topic, nullptr);
    }
    MainWindow* main = nullptr;
    TopicForm* topic = nullptr;

private:
    std::vector<const char*> alsoClosed_;
};

}  // namespace orr::test
