// A stand-in topic window for the contents and search-step tests: it counts
// its Proc_1 calls and can take the place of any topic form by name.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <map>

#include "platform/form.h"
#include "shell/contents_window.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"

namespace orr::testing {

class FakeTopic : public Form, public WindowMembers {
public:
    explicit FakeTopic(const QString& name) : Form(name) {}
    void Proc_1() override { ++proc1Calls()[name()]; }
    static std::map<QString, int>& proc1Calls()
    {
        static std::map<QString, int> calls;
        return calls;
    }
};

inline void registerFakeTopic(const QString& name)
{
    FormRegistry::instance().registerFactory(name, [name] { return new FakeTopic(name); });
}

// The index file kept with the sources.
inline QString sourceIndexPath()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data/ComputingIndex.txt");
}

// Every window closed and gone, the shared navigation state back to its start.
inline void resetWindows()
{
    FormRegistry::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    suite().currentWindow = nullptr;
    suite().contentsPosition = 0;
    suite().selectedExample.fill(0);
    FakeTopic::proc1Calls().clear();
}

inline ComputingTreeIndex* contentsWindow()
{
    return formAs<ComputingTreeIndex>(QStringLiteral("ComputingTreeIndex"));
}

inline QString currentName() { return suite().currentWindow ? suite().currentWindow->name() : QString(); }

}  // namespace orr::testing
