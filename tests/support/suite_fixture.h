// Test support: one main window for the whole test program (batch-mode size,
// message boxes logged instead of shown) and helpers to open topics.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/main_window.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"
#include "topics/framework/topic_table.h"
#include "topics/framework/topic_form.h"

namespace orr::test {

inline MainWindow* mainWindow()
{
    if (!MainWindow::instance()) {
        setMessageBoxesSilent(true);
        MainWindow::create(true);
    }
    return MainWindow::instance();
}

// Opens example e of a topic the way the contents lookup does, and returns the window.
template <class T = Form> T* openTopic(const QString& name, int e)
{
    mainWindow();
    const TopicInfo* info = topicByName(name);
    if (!info)
        return nullptr;
    suite().selectedExample[info->id] = e;
    const bool wasLoaded = FormRegistry::instance().isLoaded(name);
    Form* f = form(name);
    if (!f)
        return nullptr;
    suite().currentWindow = f;
    f->bringToFront();
    if (wasLoaded)
        callByName(f, QStringLiteral("Proc_1"));
    return dynamic_cast<T*>(f);
}

// Every text printed on a topic's picture since it was last cleared, in order.
inline QStringList texts(const TopicForm* t)
{
    QStringList out;
    for (const PrintedText& p : t->Picture1->printedTexts())
        out << p.text;
    return out;
}

}  // namespace orr::test
