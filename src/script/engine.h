// The script engine: holds a program's variables, procedures and objects, and runs code.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "script/error.h"
#include "script/host.h"
#include "script/program.h"
#include "script/variant.h"

namespace orr::script {

// The Err object's state.
struct ErrState {
    int number = 0;
    std::string description;
    std::string source;
    void clear()
    {
        number = 0;
        description.clear();
        source.clear();
    }
};

// A global name: a variable (with its storage), a constant or a procedure.
struct GlobalSym {
    enum Kind { Variable, Constant, Procedure, Class } kind = Variable;
    Variant* var = nullptr;  // Variable
    Variant constant;        // Constant
    int proc = -1;           // Procedure: index into the procedure table; Class: into the class table
};

struct ClassInfo;
class ClassInstance;

class Engine {
public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Compiles the text, defines its procedures and runs its top-level code.
    void addCode(std::string_view text);
    // Evaluates one expression in the global scope.
    Variant eval(std::string_view expression);
    // Eval and Execute as a running program calls them: the code also sees the
    // variables of the procedure that calls them.
    Variant evalHere(std::string_view expression);
    void executeHere(std::string_view text);
    // Calls a procedure by name; arguments are passed by value.
    Variant run(std::string_view name, std::vector<Variant> args);
    bool hasProcedure(std::string_view name) const;
    // The procedure of that name (any letter case), or null.
    std::shared_ptr<Proc> findProcedure(std::string_view name) const;
    // Makes an object reachable by name; with membersGlobal its members can be
    // called without the object's name ("Show x" for "Output.Show x").
    void addObject(const std::string& name, std::shared_ptr<HostObject> object, bool membersGlobal);
    // Forgets all code, variables and objects.
    void reset();

    // The hook runs every `interval` loop turns and calls while a script runs;
    // it may throw a ScriptError (time-out, interrupt) to stop the script.
    void setPollHook(std::function<void()> hook, int interval = 4096);
    void setDialogHost(DialogHost* host) { dialogs_ = host; }
    DialogHost* dialogHost() const { return dialogs_; }
    void setMaxCallDepth(int depth) { maxDepth_ = depth; }

    ErrState& err() { return err_; }
    uint32_t& randomSeed() { return rndSeed_; }

    // ---- used by the compiler ----
    const GlobalSym* findGlobal(const std::string& name) const;
    Variant* declareGlobal(const std::string& name);
    void defineConstant(const std::string& name, const Variant& value);
    int defineProcedure(std::unique_ptr<Proc> proc);  // replaces one of the same name
    bool isGlobalMember(const std::string& name) const;

    int defineClass(std::shared_ptr<ClassInfo> cls);  // replaces one of the same name
    const ClassInfo& classInfo(int index) const { return *classes_[static_cast<size_t>(index)]; }

    // ---- used by the virtual machine and the library ----
    // Runs a procedure; `me` is the instance a class's method runs on.
    // `self`, when given, is a value holding `me` (saves making a new one).
    Variant execute(const Proc& proc, Variant* args, int argc, ClassInstance* me = nullptr, const Variant* self = nullptr);
    Variant newInstance(int classIndex);
    // Counts work done inside one long library call towards the next poll.
    void pollAfter(int work)
    {
        pollBudget_ -= work;
        if (pollBudget_ <= 0) poll();
    }
    bool running() const { return !frames_.empty(); }
    const Proc& procedure(int index) const { return *procs_[static_cast<size_t>(index)]; }

private:
    struct Frame {
        const Proc* proc;
        const Instr* pc;
        Variant* base;
        bool resumeNext;
    };
    struct GlobalMember {
        std::string object;
        std::shared_ptr<HostObject> host;
    };

    Variant interpret(size_t entryFrames);
    // Lets go of the script objects the global variables hold, so that their
    // Class_Terminate runs while the engine still can run code.
    void releaseScriptObjects();
    // References to the calling procedure's variables, or null when it has none.
    const std::vector<std::string>* callerLocals(std::vector<Variant>& refs) const;
    Variant callByName(const std::string& name, Variant* args, int argc, const std::string& written);
    void poll();

    std::deque<Variant> globalStore_;  // stable addresses: instructions point into it
    std::unordered_map<std::string, GlobalSym> globals_;
    std::vector<std::shared_ptr<Proc>> procs_;
    std::vector<std::shared_ptr<ClassInfo>> classes_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::vector<std::shared_ptr<Proc>> retired_;  // replaced while possibly running
    std::vector<GlobalMember> globalMembers_;
    std::vector<std::unique_ptr<Proc>> scripts_;  // top-level code and expressions, kept while running
    // The value stack: zeroed memory, which is what Empty looks like, so it costs
    // nothing until used. Slots above the top are always Empty.
    Variant* stack_ = nullptr;
    size_t stackSlots_ = 0;
    std::vector<Frame> frames_;
    int maxDepth_ = 2000;
    std::function<void()> pollHook_;
    int pollInterval_ = 4096;
    int pollBudget_ = 4096;
    DialogHost* dialogs_ = nullptr;
    ErrState err_;
    uint32_t rndSeed_ = 0x50000;
    Variant* sp_ = nullptr;  // first free stack slot; slots from here on are Empty

    friend class Compiler;
    friend struct InstanceDeleter;
};

} // namespace orr::script
