// The engine: global names, procedures and objects, and the entry points that compile and run code.
#include "script/engine.h"

#include <cstdlib>
#include <new>

#include "script/compiler.h"
#include "script/parser.h"

namespace orr::script {
namespace {

// The Err object scripts see.
class ErrObject final : public HostObject {
public:
    explicit ErrObject(ErrState& s) : s_(s) {}
    std::string typeName() const override { return "ErrObject"; }
    bool hasMember(std::string_view n) const override
    {
        return n == "number" || n == "description" || n == "source" || n == "clear" || n == "raise" ||
               n == "helpfile" || n == "helpcontext";
    }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        if (n == "number" || n.empty()) return Variant::lng(s_.number);
        if (n == "description") return Variant::str(s_.description);
        if (n == "source") return Variant::str(s_.source);
        if (n == "helpfile") return Variant::str("");
        if (n == "helpcontext") return Variant::integer(0);
        if (n == "clear") {
            s_.clear();
            return {};
        }
        if (n == "raise") {
            if (args.empty() || args.size() > 5) raise(ErrWrongArgs, "Raise");
            int num = toLong(args[0]);
            std::string desc = args.size() > 2 && !args[2].isEmpty() ? toString(args[2]) : errorDescription(num);
            if (desc.empty()) desc = "Unknown runtime error";
            ScriptError e(num, desc);
            if (args.size() > 1 && !args[1].isEmpty()) e.source = toString(args[1]);
            throw e;
        }
        raise(ErrNoSuchMember, std::string(n));
    }
    void assign(std::string_view n, std::vector<Variant>&, const Variant& v) override
    {
        if (n == "number") s_.number = toLong(v);
        else if (n == "description") s_.description = toString(v);
        else if (n == "source") s_.source = toString(v);
        else raise(ErrNoSuchMember, std::string(n));
    }
    Variant defaultValue() override { return Variant::lng(s_.number); }

private:
    ErrState& s_;
};

constexpr size_t kStackSlots = 1 << 16;

} // namespace

Engine::Engine()
{
    static_assert(TEmpty == 0, "an all-zero Variant must be Empty");
    stack_ = static_cast<Variant*>(std::calloc(kStackSlots, sizeof(Variant)));
    if (!stack_) throw std::bad_alloc();
    stackSlots_ = kStackSlots;
    sp_ = stack_;
    frames_.reserve(static_cast<size_t>(maxDepth_) + 8);
    reset();
}

Engine::~Engine()
{
    releaseScriptObjects();
    // Objects released from here on are freed without running script code.
    *alive_ = false;
    // The value stack needs no clearing: with no script running every slot is Empty.
    globals_.clear();
    globalStore_.clear();
    std::free(stack_);
}

void Engine::releaseScriptObjects()
{
    if (!frames_.empty()) return;
    for (Variant& v : globalStore_) {
        bool scriptObject = v.isObject() && v.rawObject() && v.rawObject()->scriptInstance();
        if (scriptObject || v.isArray()) {
            Variant last = std::move(v);
            v = Variant();
        }  // `last` goes here, and with it perhaps the object's last reference
    }
}

void Engine::reset()
{
    if (!frames_.empty()) return;  // never while a script runs
    releaseScriptObjects();
    globals_.clear();
    globalStore_.clear();
    globalMembers_.clear();
    for (auto& p : procs_) retired_.push_back(p);
    procs_.clear();
    retired_.clear();
    classes_.clear();
    err_.clear();
    addObject("err", std::make_shared<ErrObject>(err_), false);
}

const GlobalSym* Engine::findGlobal(const std::string& name) const
{
    auto it = globals_.find(name);
    return it == globals_.end() ? nullptr : &it->second;
}

Variant* Engine::declareGlobal(const std::string& name)
{
    GlobalSym& g = globals_[name];
    if (g.kind == GlobalSym::Variable && g.var) return g.var;
    globalStore_.emplace_back();
    g = GlobalSym{};
    g.kind = GlobalSym::Variable;
    g.var = &globalStore_.back();
    return g.var;
}

void Engine::defineConstant(const std::string& name, const Variant& value)
{
    GlobalSym& g = globals_[name];
    g.kind = GlobalSym::Constant;
    g.constant = value;
    g.var = nullptr;
}

int Engine::defineProcedure(std::unique_ptr<Proc> proc)
{
    auto it = globals_.find(proc->name);
    if (it != globals_.end() && it->second.kind == GlobalSym::Procedure) {
        int index = it->second.proc;
        retired_.push_back(procs_[static_cast<size_t>(index)]);
        procs_[static_cast<size_t>(index)] = std::move(proc);
        return index;
    }
    GlobalSym& g = globals_[proc->name];
    g.kind = GlobalSym::Procedure;
    g.var = nullptr;
    g.proc = static_cast<int>(procs_.size());
    procs_.push_back(std::move(proc));
    return g.proc;
}

bool Engine::isGlobalMember(const std::string& name) const
{
    for (const GlobalMember& m : globalMembers_)
        if (m.host->hasMember(name)) return true;
    return false;
}

void Engine::addObject(const std::string& name, std::shared_ptr<HostObject> object, bool membersGlobal)
{
    std::string lname = toLower(name);
    *declareGlobal(lname) = Variant::object(object);
    if (membersGlobal) globalMembers_.push_back({lname, std::move(object)});
}

void Engine::setPollHook(std::function<void()> hook, int interval)
{
    pollHook_ = std::move(hook);
    pollInterval_ = interval > 0 ? interval : 4096;
    pollBudget_ = pollInterval_;
}

void Engine::poll()
{
    pollBudget_ = pollInterval_;
    if (pollHook_) pollHook_();
}

void Engine::addCode(std::string_view text)
{
    // Inside a running script (Execute) the poll budget carries on, so a loop
    // of Execute calls still reaches the time-out.
    if (!running()) pollBudget_ = pollInterval_;
    ScriptAst ast = parseScript(text, [this](int work) { pollAfter(work); });
    std::unique_ptr<Proc> top = compileScript(*this, ast);
    pollAfter(static_cast<int>(top->chunk.code.size() / 64));
    execute(*top, nullptr, 0);
}

Variant Engine::eval(std::string_view expression)
{
    if (!running()) pollBudget_ = pollInterval_;
    ExprPtr e = parseExpression(expression);
    std::unique_ptr<Proc> code = compileExpression(*this, *e);
    pollAfter(1);
    return execute(*code, nullptr, 0);
}

const std::vector<std::string>* Engine::callerLocals(std::vector<Variant>& refs) const
{
    if (frames_.empty() || frames_.back().proc->localNames.empty()) return nullptr;
    const Frame& caller = frames_.back();
    const std::vector<std::string>& names = caller.proc->localNames;
    refs.resize(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        Variant& v = caller.base[i];
        refs[i] = v.tag() == TRef ? v : Variant::ref(&v);
    }
    return &names;
}

Variant Engine::evalHere(std::string_view expression)
{
    std::vector<Variant> refs;
    const std::vector<std::string>* names = callerLocals(refs);
    if (!names) return eval(expression);
    ExprPtr e = parseExpression(expression);
    std::unique_ptr<Proc> code = compileExpression(*this, *e, names);
    pollAfter(1);
    return execute(*code, refs.data(), static_cast<int>(refs.size()));
}

void Engine::executeHere(std::string_view text)
{
    std::vector<Variant> refs;
    const std::vector<std::string>* names = callerLocals(refs);
    if (!names) return addCode(text);
    ScriptAst ast = parseScript(text, [this](int work) { pollAfter(work); });
    std::unique_ptr<Proc> top = compileScript(*this, ast, names);
    pollAfter(static_cast<int>(top->chunk.code.size() / 64) + 1);
    execute(*top, refs.data(), static_cast<int>(refs.size()));
}

bool Engine::hasProcedure(std::string_view name) const
{
    const GlobalSym* g = findGlobal(toLower(name));
    return g && g->kind == GlobalSym::Procedure;
}

std::shared_ptr<Proc> Engine::findProcedure(std::string_view name) const
{
    const GlobalSym* g = findGlobal(toLower(name));
    if (!g || g->kind != GlobalSym::Procedure) return nullptr;
    return procs_[static_cast<size_t>(g->proc)];
}

Variant Engine::run(std::string_view name, std::vector<Variant> args)
{
    const GlobalSym* g = findGlobal(toLower(name));
    if (!g || g->kind != GlobalSym::Procedure) raise(ErrSubNotDefined, std::string(name));
    std::shared_ptr<Proc> keep = procs_[static_cast<size_t>(g->proc)];
    pollBudget_ = pollInterval_;
    return execute(*keep, args.data(), static_cast<int>(args.size()));
}

Variant Engine::callByName(const std::string& name, Variant* args, int argc, const std::string& written)
{
    if (const GlobalSym* g = findGlobal(name)) {
        if (g->kind == GlobalSym::Variable) {
            const Variant& v = *g->var;
            if (argc == 0) return v;
            if (v.isArray()) {
                const ArrObj* a = v.rawArray();
                return a->data[a->offset(args, static_cast<size_t>(argc))];
            }
        } else if (g->kind == GlobalSym::Constant && argc == 0) {
            return g->constant;
        }
    }
    for (const GlobalMember& m : globalMembers_) {
        if (m.host->hasMember(name)) {
            std::shared_ptr<HostObject> keep = m.host;
            std::vector<Variant> list(args, args + argc);
            return keep->invoke(name, list);
        }
    }
    raise(ErrTypeMismatch, written);
}

} // namespace orr::script
