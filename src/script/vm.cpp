// Virtual machine: runs compiled chunks on one value stack, with frames for procedure calls.
#include <cmath>
#include <new>
#include <stdexcept>

#include "script/classes.h"
#include "script/engine.h"
#include "script/library.h"
#include "script/operators.h"

namespace orr::script {
namespace {

inline bool intTag(Tag t) { return t == TInt || t == TLong; }

constexpr int kErrOutOfStringSpace = 14;
constexpr size_t kMaxStringLength = size_t{1} << 28;

// Integer result of Integer/Long arithmetic: stays Integer when both were and it fits.
inline void putInt(Variant& dst, int64_t r, bool bothShort)
{
    if (bothShort && r >= -32768 && r <= 32767) dst.setIntRaw(TInt, static_cast<int32_t>(r));
    else if (r >= INT32_MIN && r <= INT32_MAX) dst.setIntRaw(TLong, static_cast<int32_t>(r));
    else dst.setDoubleRaw(static_cast<double>(r));
}

// The four common operators with their Integer, Long and Double fast paths; the
// result replaces the left operand.
inline void add(Variant& a, const Variant& b)
{
    if (intTag(a.tag()) && intTag(b.tag()))
        putInt(a, static_cast<int64_t>(a.rawInt()) + b.rawInt(), a.tag() == TInt && b.tag() == TInt);
    else if (a.tag() == TDouble && b.tag() == TDouble) {
        double r = a.rawDouble() + b.rawDouble();
        if (std::isinf(r)) raise(ErrOverflow);
        a.setDoubleRaw(r);
    }
    else
        a = opAdd(a, b);
}

inline void sub(Variant& a, const Variant& b)
{
    if (intTag(a.tag()) && intTag(b.tag()))
        putInt(a, static_cast<int64_t>(a.rawInt()) - b.rawInt(), a.tag() == TInt && b.tag() == TInt);
    else if (a.tag() == TDouble && b.tag() == TDouble) {
        double r = a.rawDouble() - b.rawDouble();
        if (std::isinf(r)) raise(ErrOverflow);
        a.setDoubleRaw(r);
    }
    else
        a = opSub(a, b);
}

inline void mul(Variant& a, const Variant& b)
{
    if (intTag(a.tag()) && intTag(b.tag()))
        putInt(a, static_cast<int64_t>(a.rawInt()) * b.rawInt(), a.tag() == TInt && b.tag() == TInt);
    else if (a.tag() == TDouble && b.tag() == TDouble) {
        double r = a.rawDouble() * b.rawDouble();
        if (std::isinf(r)) raise(ErrOverflow);
        a.setDoubleRaw(r);
    } else
        a = opMul(a, b);
}

inline void mod(Variant& a, const Variant& b)
{
    if (intTag(a.tag()) && intTag(b.tag()) && b.rawInt() != 0)
        putInt(a, static_cast<int64_t>(a.rawInt()) % b.rawInt(), a.tag() == TInt && b.tag() == TInt);
    else
        a = opMod(a, b);
}

inline bool truth(const Variant& v)
{
    if (v.tag() == TBool || intTag(v.tag())) return v.rawInt() != 0;
    if (v.isNull()) return false;
    return toBool(v);
}

// Whether a For counter is still within its limit for the step's direction.
bool forInRange(const Variant& counter, const Variant& limit, const Variant& step)
{
    if (intTag(counter.tag()) && intTag(limit.tag()) && intTag(step.tag()))
        return step.rawInt() >= 0 ? counter.rawInt() <= limit.rawInt() : counter.rawInt() >= limit.rawInt();
    double c = toDouble(counter), l = toDouble(limit), s = toDouble(step);
    return s >= 0 ? c <= l : c >= l;
}

Variant forNumber(Variant v)
{
    const Variant& d = v.deref();
    if (d.isNumeric()) return d;
    if (d.isEmpty()) return Variant::integer(0);
    if (d.isNull()) raise(ErrInvalidNull);
    return Variant::dbl(toDouble(d));
}

std::vector<int32_t> bounds(Variant* first, int n)
{
    std::vector<int32_t> ub(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        ub[static_cast<size_t>(i)] = toLong(first[i]);
        if (ub[static_cast<size_t>(i)] < -1) raise(ErrSubscript);
    }
    return ub;
}

void dimArray(Variant& var, Variant* first, int n)
{
    ArrObj* a;
    if (n == 0) {
        a = new ArrObj();
    } else {
        std::vector<int32_t> ub = bounds(first, n);
        a = new ArrObj(std::move(ub));
        a->fixed = true;
    }
    var = Variant::array(a);
}

void redimArray(Variant& var, Variant* first, int n, bool preserve)
{
    std::vector<int32_t> ub = bounds(first, n);
    if (var.isArray()) {
        if (var.rawArray()->fixed) raise(ErrArrayFixed);
        if (preserve) {
            var.mutableArray()->resize(ub, true);
            return;
        }
    }
    var = Variant::array(new ArrObj(std::move(ub)));
}

void eraseArray(Variant& var)
{
    if (!var.isArray()) raise(ErrTypeMismatch);
    if (var.rawArray()->fixed) {
        for (Variant& e : var.mutableArray()->data) e = Variant();
    } else {
        var = Variant::array(new ArrObj());
    }
}

void storeIndexed(Variant& var, Variant* idx, int n, Variant&& value)
{
    if (!var.isArray()) {
        if (var.isObject()) {
            HostObject* o = var.rawObject();
            if (!o) raise(ErrObjectNotSet);
            std::vector<Variant> args(idx, idx + n);
            o->assign("", args, value);
            return;
        }
        raise(ErrTypeMismatch);
    }
    ArrObj* a = var.mutableArray();
    a->data[a->offset(idx, static_cast<size_t>(n))] = std::move(value);
}

Variant indexed(const Variant& v0, Variant* idx, int n)
{
    const Variant& v = v0.deref();
    if (v.isArray()) {
        const ArrObj* a = v.rawArray();
        return a->data[a->offset(idx, static_cast<size_t>(n))];
    }
    if (v.isObject()) {
        HostObject* o = v.rawObject();
        if (!o) raise(ErrObjectNotSet);
        std::vector<Variant> args(idx, idx + n);
        return o->invoke("", args);
    }
    if (n == 0) return v;
    raise(ErrTypeMismatch);
}

Variant& counterOf(const Instr& in, Variant* base)
{
    switch (in.x) {
    case CounterLocal: return base[in.b];
    case CounterGlobal: return *in.g;
    default: return base[in.b].deref();
    }
}

void append(Variant& v, Variant&& x)
{
    if (v.isString() && x.isString() && v.rawString().size() + x.rawString().size() > kMaxStringLength)
        raise(kErrOutOfStringSpace);
    if (v.isString() && !x.isNull()) {
        if (x.isString()) v.appendString(x.rawString());
        else v.appendString(toString(x));
    } else {
        v = opConcat(v, x);
    }
}

// obj.name(args) with the object below the arguments; the result takes the
// object's place. Returns the new top of the stack. Kept out of the
// interpreter's loop, which stays small that way.
// An unknown member is reported with the name as the program spelt it.
[[noreturn]] void renameMember(ScriptError& e, const std::string& name, const std::string& written)
{
    if (e.number == ErrNoSuchMember && e.description == errorDescription(ErrNoSuchMember) + ": '" + name + "'")
        e.description = errorDescription(ErrNoSuchMember) + ": '" + written + "'";
    throw;
}

Variant* callMemberNamed(Variant* sp, int argc, const std::string& name, bool inside);
Variant* setMemberNamed(Variant* sp, int argc, const std::string& name, int flags);

[[gnu::noinline]] Variant* callMember(Variant* sp, int argc, const std::string& name, bool inside, const std::string& written)
{
    try {
        return callMemberNamed(sp, argc, name, inside);
    } catch (ScriptError& e) {
        renameMember(e, name, written);
    }
}

[[gnu::noinline]] Variant* setMember(Variant* sp, int argc, const std::string& name, int flags, const std::string& written)
{
    try {
        return setMemberNamed(sp, argc, name, flags);
    } catch (ScriptError& e) {
        renameMember(e, name, written);
    }
}

Variant* callMemberNamed(Variant* sp, int argc, const std::string& name, bool inside)
{
    Variant& target = sp[-argc - 1];
    if (!target.isObject()) raise(ErrObjectRequired);
    if (!target.rawObject()) raise(ErrObjectNotSet);
    // A script object stays alive through the call: the stack slot holds it.
    if (ClassInstance* ci = target.rawObject()->scriptInstance()) {
        Variant r = ci->get(name, sp - argc, argc, inside, &target);
        while (argc-- > 0) *--sp = Variant();
        sp[-1] = std::move(r);
        return sp;
    }
    std::shared_ptr<HostObject> o = target.objectPtr();
    std::vector<Variant> args;
    args.reserve(static_cast<size_t>(argc));
    for (Variant* a = sp - argc; a < sp; ++a) args.push_back(std::move(*a));
    Variant r = o->invoke(name, args);
    while (argc-- > 0) *--sp = Variant();
    sp[-1] = std::move(r);
    return sp;
}

// obj.name(args) = value with object, arguments and value on the stack; flags:
// 1 inside the class, 2 a Set. Returns the new top of the stack.
Variant* setMemberNamed(Variant* sp, int argc, const std::string& name, int flags)
{
    Variant& target = sp[-argc - 2];
    if (!target.isObject()) raise(ErrObjectRequired);
    if (!target.rawObject()) raise(ErrObjectNotSet);
    if (ClassInstance* ci = target.rawObject()->scriptInstance()) {
        ci->put(name, sp - argc - 1, argc, sp[-1], flags & 2, flags & 1);
    } else {
        std::shared_ptr<HostObject> o = target.objectPtr();
        std::vector<Variant> args;
        for (Variant* a = sp - argc - 1; a < sp - 1; ++a) args.push_back(std::move(*a));
        o->assign(name, args, sp[-1]);
    }
    for (int k = 0; k < argc + 2; ++k) *--sp = Variant();
    return sp;
}

// What For Each walks: an array as it is, an object's elements as an array.
[[gnu::noinline]] Variant collectionItems(Variant group)
{
    const Variant& g = group.deref();
    if (g.isArray()) return g;
    if (g.isObject() && g.rawObject()) {
        Variant items = g.rawObject()->elements();
        if (!items.isArray()) raise(ErrNotCollection);
        return items;
    }
    raise(g.isObject() ? ErrObjectNotSet : ErrNotCollection);
}

} // namespace

Variant Engine::execute(const Proc& proc, Variant* args, int argc, ClassInstance* me, const Variant* self)
{
    if (argc != proc.nparams) raise(ErrWrongArgs, proc.displayName);
    if (static_cast<int>(frames_.size()) >= maxDepth_) raise(ErrOutOfStack);
    // A call from inside a running instruction (a library function, a method, a
    // Class_Terminate when a value is released) starts above everything the
    // running frame may be using.
    Variant* const saved = sp_;
    Variant* base = sp_;
    if (!frames_.empty()) {
        const Frame& top = frames_.back();
        Variant* used = top.base + top.proc->chunk.nlocals + top.proc->chunk.maxStack;
        if (used > base) base = used;
    }
    Variant* end = stack_ + stackSlots_;
    if (end - base < proc.chunk.nlocals + proc.chunk.maxStack) raise(ErrOutOfStack);
    if (proc.refArgs)
        for (int i = 0; i < argc; ++i) base[i] = args[i];
    else
        for (int i = 0; i < argc; ++i) base[i] = args[i].deref();
    if (proc.owner && me) {
        base[proc.meSlot] = self ? self->deref() : Variant::object(me->shared_from_this());
        for (int i = 0; i < proc.nfields; ++i) base[proc.fieldBase + i] = Variant::ref(&me->fields[static_cast<size_t>(i)]);
    }
    sp_ = base + proc.chunk.nlocals;
    size_t entry = frames_.size();
    frames_.push_back({&proc, proc.chunk.code.data(), base, false});
    try {
        Variant r = interpret(entry);
        sp_ = saved;
        return r;
    } catch (...) {
        sp_ = saved;
        throw;
    }
}

Variant Engine::interpret(size_t entry)
{
    Frame* f = &frames_.back();
    const Instr* pc = f->pc;
    Variant* base = f->base;
    Variant* sp = sp_;
    const Variant* K = f->proc->chunk.consts.data();
    Variant* const stackEnd = stack_ + stackSlots_;
    const Variant* const entryBase = frames_[entry].base;

    auto pop = [&sp]() -> Variant { return std::move(*--sp); };
    ScriptError pendingError(0);

    for (;;) {
        try {
            for (;;) {
                const Instr& in = *pc++;
                switch (in.op) {
                case Op::PushK: *sp++ = K[in.a]; break;
                case Op::PushEmpty: ++sp; break;
                case Op::Pop: *--sp = Variant(); break;
                case Op::LoadL: *sp++ = base[in.a]; break;
                case Op::StoreL: base[in.a] = std::move(*--sp); break;
                case Op::LoadG: *sp++ = *in.g; break;
                case Op::StoreG: *in.g = std::move(*--sp); break;
                case Op::LoadR: *sp++ = base[in.a].deref(); break;
                case Op::StoreR: base[in.a].deref() = std::move(*--sp); break;
                case Op::RefL: {
                    Variant& v = base[in.a];
                    *sp++ = v.tag() == TRef ? v : Variant::ref(&v);
                    break;
                }
                case Op::RefG: *sp++ = Variant::ref(in.g); break;
                case Op::AppendL: append(base[in.a], pop()); break;
                case Op::AppendG: append(*in.g, pop()); break;

                case Op::Add: add(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Sub: sub(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Mul: mul(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Mod: mod(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::AddK: add(sp[-1], K[in.a]); break;
                case Op::SubK: sub(sp[-1], K[in.a]); break;
                case Op::MulK: mul(sp[-1], K[in.a]); break;
                case Op::ModK: mod(sp[-1], K[in.a]); break;
                case Op::Div: sp[-2] = opDiv(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::IntDiv: sp[-2] = opIntDiv(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Pow: sp[-2] = opPow(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Concat: sp[-2] = opConcat(sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Neg: sp[-1] = opNeg(sp[-1]); break;
                case Op::Not: sp[-1] = opNot(sp[-1]); break;
                case Op::And: sp[-2] = opLogic(LogicOp::And, sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Or: sp[-2] = opLogic(LogicOp::Or, sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Xor: sp[-2] = opLogic(LogicOp::Xor, sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Eqv: sp[-2] = opLogic(LogicOp::Eqv, sp[-2], sp[-1]); *--sp = Variant(); break;
                case Op::Imp: sp[-2] = opLogic(LogicOp::Imp, sp[-2], sp[-1]); *--sp = Variant(); break;

                case Op::Eq: case Op::Ne: case Op::Lt: case Op::Le: case Op::Gt: case Op::Ge: {
                    Variant& a = sp[-2];
                    Variant& b = sp[-1];
                    int cmpOp = static_cast<int>(in.op) - static_cast<int>(Op::Eq);
                    if (intTag(a.tag()) && intTag(b.tag())) {
                        int32_t x = a.rawInt(), y = b.rawInt();
                        bool r = false;
                        switch (cmpOp) {
                        case 0: r = x == y; break;
                        case 1: r = x != y; break;
                        case 2: r = x < y; break;
                        case 3: r = x <= y; break;
                        case 4: r = x > y; break;
                        default: r = x >= y; break;
                        }
                        a.setIntRaw(TBool, r ? -1 : 0);
                    } else {
                        a = opCompare(static_cast<CompareOp>(cmpOp), a, b, in.x);
                    }
                    *--sp = Variant();
                    break;
                }
                case Op::Is: sp[-2] = opIs(sp[-2], sp[-1]); *--sp = Variant(); break;

                case Op::Jmp:
                    if (in.a <= pc - 1 - f->proc->chunk.code.data() && --pollBudget_ <= 0) {
                        sp_ = sp;
                        f->pc = pc;
                        poll();
                    }
                    pc = f->proc->chunk.code.data() + in.a;
                    break;
                case Op::JmpFalse: case Op::JmpTrue: {
                    bool t = truth(sp[-1]);
                    *--sp = Variant();
                    if (t == (in.op == Op::JmpTrue)) {
                        const Instr* target = f->proc->chunk.code.data() + in.a;
                        if (target < pc && --pollBudget_ <= 0) {
                            sp_ = sp;
                            f->pc = pc;
                            poll();
                        }
                        pc = target;
                    }
                    break;
                }

                case Op::CallName: {
                    const std::string& name = K[in.a].rawString();
                    int argc = in.y;
                    const GlobalSym* g = findGlobal(name);
                    if (g && g->kind == GlobalSym::Procedure) {
                        const Proc& p = *procs_[static_cast<size_t>(g->proc)];
                        goto enter_procedure_named;
                    enter_procedure_named:
                        if (argc != p.nparams) raise(ErrWrongArgs, p.displayName);
                        Variant* nb = sp - argc;
                        for (int i = 0; i < argc; ++i)
                            if (nb[i].tag() == TRef && !p.byRef[static_cast<size_t>(i)]) nb[i] = Variant(nb[i].deref());
                        if (static_cast<int>(frames_.size()) >= maxDepth_ ||
                            stackEnd - nb < p.chunk.nlocals + p.chunk.maxStack)
                            raise(ErrOutOfStack);
                        f->pc = pc;
                        if (--pollBudget_ <= 0) {
                            sp_ = sp;
                            poll();
                        }
                        sp = nb + p.chunk.nlocals;
                        frames_.push_back({&p, p.chunk.code.data(), nb, false});
                        f = &frames_.back();
                        base = nb;
                        pc = p.chunk.code.data();
                        K = p.chunk.consts.data();
                        break;
                    }
                    for (int i = 1; i <= argc; ++i)
                        if (sp[-i].tag() == TRef) sp[-i] = Variant(sp[-i].deref());
                    sp_ = sp;
                    f->pc = pc;
                    Variant r = callByName(name, sp - argc, argc, K[in.b].rawString());
                    while (argc-- > 0) *--sp = Variant();
                    if (!in.x) *sp++ = std::move(r);
                    break;
                }
                case Op::CallProc: {
                    const Proc& p = *procs_[static_cast<size_t>(in.a)];
                    int argc = in.y;
                    if (argc != p.nparams) raise(ErrWrongArgs, p.displayName);
                    Variant* nb = sp - argc;
                    for (int i = 0; i < argc; ++i)
                        if (nb[i].tag() == TRef && !p.byRef[static_cast<size_t>(i)]) nb[i] = Variant(nb[i].deref());
                    if (static_cast<int>(frames_.size()) >= maxDepth_ || stackEnd - nb < p.chunk.nlocals + p.chunk.maxStack)
                        raise(ErrOutOfStack);
                    f->pc = pc;
                    if (--pollBudget_ <= 0) {
                        // Polled at the call, so a time-out names the calling line.
                        sp_ = sp;
                        poll();
                    }
                    sp = nb + p.chunk.nlocals;
                    frames_.push_back({&p, p.chunk.code.data(), nb, false});
                    f = &frames_.back();
                    base = nb;
                    pc = p.chunk.code.data();
                    K = p.chunk.consts.data();
                    break;
                }
                case Op::Return: case Op::ReturnValue: {
                    Variant result;
                    if (in.op == Op::ReturnValue) result = pop();
                    else if (f->proc->isFunction) result = std::move(base[f->proc->resultSlot]);
                    for (Variant* p = base; p < sp; ++p) *p = Variant();
                    sp = base;
                    frames_.pop_back();
                    if (frames_.size() == entry) {
                        sp_ = sp;
                        return result;
                    }
                    f = &frames_.back();
                    pc = f->pc;
                    base = f->base;
                    K = f->proc->chunk.consts.data();
                    if (!pc[-1].x) *sp++ = std::move(result);
                    break;
                }
                case Op::CallBuiltin: {
                    int argc = in.y;
                    sp_ = sp;
                    f->pc = pc;
                    Variant r = builtin(in.a).fn(*this, sp - argc, argc);
                    while (argc-- > 0) *--sp = Variant();
                    if (!in.x) *sp++ = std::move(r);
                    break;
                }
                case Op::CallMember:
                    sp_ = sp;
                    f->pc = pc;
                    sp = callMember(sp, in.y, K[in.a].rawString(), in.x & 1, K[in.b].rawString());
                    break;
                case Op::SetMember:
                    sp_ = sp;
                    f->pc = pc;
                    sp = setMember(sp, in.y, K[in.a].rawString(), in.x, K[in.b].rawString());
                    break;
                case Op::Index: {
                    int argc = in.y;
                    Variant& target = sp[-argc - 1];
                    sp_ = sp;
                    Variant r = indexed(target, sp - argc, argc);
                    while (argc-- > 0) *--sp = Variant();
                    sp[-1] = std::move(r);
                    break;
                }
                case Op::StoreIndexL: case Op::StoreIndexG: case Op::StoreIndexR: {
                    int argc = in.y;
                    Variant& var = in.op == Op::StoreIndexG ? *in.g : base[in.a].deref();
                    Variant value = pop();
                    storeIndexed(var, sp - argc, argc, std::move(value));
                    while (argc-- > 0) *--sp = Variant();
                    break;
                }
                case Op::DimL: case Op::DimG: {
                    int n = in.y;
                    dimArray(in.op == Op::DimG ? *in.g : base[in.a], sp - n, n);
                    while (n-- > 0) *--sp = Variant();
                    break;
                }
                case Op::ReDimL: case Op::ReDimG: case Op::ReDimR: {
                    int n = in.y;
                    Variant& var = in.op == Op::ReDimG ? *in.g : base[in.a].deref();
                    redimArray(var, sp - n, n, in.x != 0);
                    while (n-- > 0) *--sp = Variant();
                    break;
                }
                case Op::EraseL: eraseArray(base[in.a]); break;
                case Op::EraseR: eraseArray(base[in.a].deref()); break;
                case Op::EraseG: eraseArray(*in.g); break;
                case Op::LetValue:
                    if (sp[-1].tag() == TObject) {
                        sp_ = sp;
                        f->pc = pc;
                        sp[-1] = valueOf(sp[-1]);
                    }
                    break;
                case Op::NewObject: {
                    int index = in.a;
                    if (index < 0) {
                        const GlobalSym* g = findGlobal(K[in.b].rawString());
                        if (!g || g->kind != GlobalSym::Class) raise(ErrUndefinedClass, K[in.b].rawString());
                        index = g->proc;
                    }
                    sp_ = sp;
                    f->pc = pc;
                    Variant obj = newInstance(index);
                    *sp++ = std::move(obj);
                    break;
                }
                case Op::CheckObject:
                    if (!sp[-1].isObject()) raise(ErrObjectRequired);
                    break;

                case Op::ForPrep: {
                    Variant step = forNumber(pop());
                    Variant limit = forNumber(pop());
                    Variant start = forNumber(pop());
                    Variant& counter = counterOf(in, base);
                    bool run = forInRange(start, limit, step);
                    counter = std::move(start);
                    base[in.y] = std::move(limit);
                    base[in.y + 1] = std::move(step);
                    if (!run) pc = f->proc->chunk.code.data() + in.a;
                    break;
                }
                case Op::ForNext: {
                    Variant& counter = counterOf(in, base);
                    const Variant& limit = base[in.y];
                    const Variant& step = base[in.y + 1];
                    if (step.isEmpty()) break;  // the header failed under On Error Resume Next: leave the loop
                    bool more;
                    if (intTag(counter.tag()) && intTag(step.tag()) && intTag(limit.tag())) {
                        int64_t next = static_cast<int64_t>(counter.rawInt()) + step.rawInt();
                        putInt(counter, next, counter.tag() == TInt && step.tag() == TInt);
                        more = step.rawInt() >= 0 ? next <= limit.rawInt() : next >= limit.rawInt();
                    } else {
                        counter = opAdd(counter, step);
                        more = forInRange(counter, limit, step);
                    }
                    if (more) {
                        if (--pollBudget_ <= 0) {
                            sp_ = sp;
                            f->pc = pc;
                            poll();
                        }
                        pc = f->proc->chunk.code.data() + in.a;
                    }
                    break;
                }
                case Op::ForEachPrep: {
                    base[in.y] = Variant();  // ForEachNext leaves a loop whose group is no array
                    sp_ = sp;
                    f->pc = pc;
                    Variant items = collectionItems(pop());
                    bool empty = items.rawArray()->data.empty();
                    base[in.y] = std::move(items);
                    base[in.y + 1] = Variant::lng(0);
                    if (empty) pc = f->proc->chunk.code.data() + in.a;
                    break;
                }
                case Op::ForEachNext: {
                    if (!base[in.y].isArray()) {
                        pc = f->proc->chunk.code.data() + in.a;
                        break;
                    }
                    const ArrObj* a = base[in.y].rawArray();
                    int32_t i = base[in.y + 1].rawInt();
                    if (static_cast<size_t>(i) >= a->data.size()) {
                        pc = f->proc->chunk.code.data() + in.a;
                        break;
                    }
                    counterOf(in, base) = a->data[static_cast<size_t>(i)];
                    base[in.y + 1] = Variant::lng(i + 1);
                    if (--pollBudget_ <= 0) {
                        sp_ = sp;
                        f->pc = pc;
                        poll();
                    }
                    break;
                }
                case Op::OnError:
                    f->resumeNext = in.x != 0;
                    err_.clear();
                    break;
                case Op::Undefined: raise(ErrUndefined, K[in.a].rawString());
                }
            }
        } catch (const std::bad_alloc&) {
            pendingError = ScriptError(ErrOutOfMemory);
        } catch (const std::length_error&) {
            pendingError = ScriptError(kErrOutOfStringSpace);
        } catch (ScriptError& e) {
            pendingError = std::move(e);
        }
        {
            ScriptError& e = pendingError;
            // Fill in where the error arose, then find a frame that resumes after errors.
            const Instr* faultPc = pc - 1;
            if (faultPc < f->proc->chunk.code.data()) faultPc = f->proc->chunk.code.data();
            if (e.line == 0) {
                size_t at = static_cast<size_t>(faultPc - f->proc->chunk.code.data());
                if (at < f->proc->chunk.pos.size()) {
                    e.line = f->proc->chunk.pos[at].line;
                    e.column = f->proc->chunk.pos[at].col;
                }
            }
            bool catchable = e.number != ErrTimeout && e.number != ErrInterrupted;
            size_t handler = frames_.size();
            if (catchable) {
                for (size_t k = frames_.size(); k-- > entry;) {
                    if (frames_[k].resumeNext) {
                        handler = k;
                        break;
                    }
                }
            }
            if (handler == frames_.size()) {
                for (Variant* p = const_cast<Variant*>(entryBase); p < sp; ++p) *p = Variant();
                sp_ = const_cast<Variant*>(entryBase);
                frames_.resize(entry);
                throw e;
            }
            err_.number = e.number;
            err_.description = e.description;
            err_.source = e.source.empty() ? "Microsoft VBScript runtime error" : e.source;
            if (handler + 1 < frames_.size()) faultPc = frames_[handler].pc - 1;
            Frame& h = frames_[handler];
            Variant* keep = h.base + h.proc->chunk.nlocals;
            for (Variant* p = keep; p < sp; ++p) *p = Variant();
            sp = keep;
            frames_.resize(handler + 1);
            f = &frames_.back();
            base = f->base;
            K = f->proc->chunk.consts.data();
            // Continue after the statement that failed.
            const Chunk& c = f->proc->chunk;
            int at = static_cast<int>(faultPc - c.code.data());
            int resume = at + 1;
            auto it = std::upper_bound(c.statements.begin(), c.statements.end(), std::make_pair(at, INT32_MAX));
            if (it != c.statements.begin()) {
                --it;
                if (at >= it->first && at < it->second) resume = it->second;
            }
            pc = c.code.data() + resume;
        }
    }
}

} // namespace orr::script
