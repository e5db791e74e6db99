// Compiler: turns the syntax tree into stack-machine code, resolving names at compile time.
#include "script/compiler.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "script/classes.h"
#include "script/engine.h"
#include "script/error.h"
#include "script/library.h"

namespace orr::script {

class Compiler {
public:
    explicit Compiler(Engine& e) : eng_(e) {}

    std::unique_ptr<Proc> script(const ScriptAst& ast, const std::vector<std::string>* callerLocals)
    {
        explicit_ = ast.optionExplicit;
        // A name defined twice in one program text is an error; a later program
        // text may define it again, replacing the earlier definition.
        std::unordered_set<std::string> defined;
        for (const ProcDef& d : ast.procs)
            if (!defined.insert(d.name).second) fail(ErrNameRedefined, d.pos, d.written);
        for (const ClassDef& c : ast.classes)
            if (!defined.insert(c.name).second) fail(ErrNameRedefined, c.pos, c.written);
        procNames_ = &defined;
        // Script-level names first, so procedures see the globals declared after them.
        for (const StmtPtr& s : ast.top) declareTopLevel(*s);
        std::vector<int> classIndexes;
        for (const ClassDef& c : ast.classes) classIndexes.push_back(eng_.defineClass(classShape(c)));
        std::vector<int> indexes;
        for (const ProcDef& d : ast.procs) indexes.push_back(eng_.defineProcedure(procShell(d)));
        for (size_t k = 0; k < ast.procs.size(); ++k)
            procedure(ast.procs[k], *eng_.procs_[static_cast<size_t>(indexes[k])]);
        for (size_t k = 0; k < ast.classes.size(); ++k)
            classMethods(ast.classes[k], *eng_.classes_[static_cast<size_t>(classIndexes[k])]);

        auto top = std::make_unique<Proc>();
        top->name = "(global code)";
        Scope sc;
        sc.chunk = &top->chunk;
        scope_ = &sc;
        bindCallerLocals(sc, *top, callerLocals);
        block(ast.top);
        emit(Op::Return, {});
        finish(sc);
        return top;
    }

    std::unique_ptr<Proc> expression(const Expr& e, const std::vector<std::string>* callerLocals)
    {
        auto top = std::make_unique<Proc>();
        top->name = "(expression)";
        Scope sc;
        sc.chunk = &top->chunk;
        scope_ = &sc;
        bindCallerLocals(sc, *top, callerLocals);
        expr(e);
        emit(Op::ReturnValue, e.pos);
        finish(sc);
        return top;
    }

private:
    static std::unique_ptr<Proc> procShell(const ProcDef& d)
    {
        auto p = std::make_unique<Proc>();
        p->name = d.name;
        p->displayName = d.written.empty() ? d.name : d.written;
        p->isFunction = d.isFunction;
        p->kind = d.kind;
        p->nparams = static_cast<int>(d.params.size());
        for (const Param& prm : d.params) p->byRef.push_back(!prm.byVal);
        p->resultSlot = p->nparams;
        return p;
    }

    // A class's fields and member table; its methods are compiled afterwards,
    // once every class and procedure of the program is known.
    std::shared_ptr<ClassInfo> classShape(const ClassDef& c)
    {
        auto info = std::make_shared<ClassInfo>();
        info->name = c.name;
        info->written = c.written;
        for (const FieldDef& f : c.fields) {
            if (info->members.count(f.item.name)) fail(ErrNameRedefined, f.item.pos, f.item.written);
            ClassMember m;
            m.field = static_cast<int>(info->fieldNames.size());
            m.isPublic = f.isPublic;
            info->members[f.item.name] = m;
            info->fieldNames.push_back(f.item.name);
            info->fieldIsArray.push_back(f.item.isArray);
            std::vector<int32_t> bounds;
            for (const ExprPtr& b : f.item.bounds) {
                Variant v;
                if (!b || !literalValue(*b, v) || !v.isNumeric()) fail(ErrExpectedInteger, f.item.pos);
                bounds.push_back(toLong(v));
            }
            info->fieldBounds.push_back(std::move(bounds));
        }
        for (const ProcDef& d : c.methods) {
            int index = static_cast<int>(info->procs.size());
            info->procs.push_back(procShell(d));
            ClassMember& m = info->members[d.name];
            if (m.field >= 0) fail(ErrNameRedefined, d.pos, d.written);
            int* where = &m.method;
            switch (d.kind) {
            case ProcKind::PropertyGet: where = &m.get; break;
            case ProcKind::PropertyLet: where = &m.let; break;
            case ProcKind::PropertySet: where = &m.set; break;
            default:
                if (m.get >= 0 || m.let >= 0 || m.set >= 0) fail(ErrNameRedefined, d.pos, d.written);
                break;
            }
            if (*where >= 0 || (d.kind != ProcKind::Sub && d.kind != ProcKind::Function && m.method >= 0))
                fail(ErrNameRedefined, d.pos, d.written);
            *where = index;
            m.isPublic = d.isPublic;
            if (d.isDefault) {
                if (!info->defaultMember.empty() && info->defaultMember != d.name) fail(ErrNameRedefined, d.pos, d.written);
                info->defaultMember = d.name;
            }
            if (d.name == "class_initialize" && d.kind == ProcKind::Sub && d.params.empty()) info->initialize = index;
            if (d.name == "class_terminate" && d.kind == ProcKind::Sub && d.params.empty()) info->terminate = index;
        }
        return info;
    }

    void classMethods(const ClassDef& c, ClassInfo& info)
    {
        for (size_t k = 0; k < c.methods.size(); ++k) {
            Proc& p = *info.procs[k];
            p.owner = &info;
            procedure(c.methods[k], p);
        }
    }

    struct Scope {
        Proc* proc = nullptr;  // null for script-level code
        Chunk* chunk = nullptr;
        std::unordered_set<std::string> dimmed;  // names a Dim of this scope declared
        std::vector<int> withSlots;              // the objects of the open With blocks
        const ClassInfo* cls = nullptr;          // a class's method: its class
        std::unordered_map<std::string, int> locals;
        std::vector<bool> refSlot;
        std::unordered_map<std::string, Variant> consts;
        int nslots = 0;
        int depth = 0;
        int maxDepth = 0;
    };
    // Slots 0.. of the code refer to the calling procedure's variables.
    void bindCallerLocals(Scope& sc, Proc& top, const std::vector<std::string>* names)
    {
        if (!names) return;
        top.nparams = static_cast<int>(names->size());
        top.byRef.assign(names->size(), true);
        top.refArgs = true;
        sc.nslots = top.nparams;
        sc.refSlot.assign(names->size(), true);
        for (size_t i = 0; i < names->size(); ++i)
            if (!(*names)[i].empty()) sc.locals[(*names)[i]] = static_cast<int>(i);
    }

    struct Loop {
        bool isFor;
        std::vector<int> exits;
    };
    struct Sym {
        enum Kind { Local, RefParam, Global, Const, Procedure, Library, Member, Method, Class, Unknown } kind = Unknown;
        int slot = 0;
        Variant* g = nullptr;
        Variant value;
    };

    [[noreturn]] void fail(int num, Pos pos, const std::string& detail = {})
    {
        std::string d = errorDescription(num);
        if (!detail.empty()) d += ": '" + detail + "'";
        throw ScriptError(num, d, pos.line, pos.col);
    }

    // ---- emission ----
    static int stackEffect(Op op, int y, int x)
    {
        switch (op) {
        case Op::PushK: case Op::PushEmpty: case Op::LoadL: case Op::LoadG: case Op::LoadR:
        case Op::RefL: case Op::RefG: case Op::Undefined: case Op::NewObject:
            return 1;
        case Op::Pop: case Op::StoreL: case Op::StoreG: case Op::StoreR: case Op::JmpFalse:
        case Op::JmpTrue: case Op::ForEachPrep: case Op::ReturnValue: case Op::AppendL: case Op::AppendG:
        case Op::Add: case Op::Sub: case Op::Mul: case Op::Div: case Op::IntDiv: case Op::Mod:
        case Op::Pow: case Op::Concat: case Op::And: case Op::Or: case Op::Xor: case Op::Eqv:
        case Op::Imp: case Op::Eq: case Op::Ne: case Op::Lt: case Op::Le: case Op::Gt: case Op::Ge:
        case Op::Is:
            return -1;
        case Op::CallProc: case Op::CallBuiltin: case Op::CallName: return -y + (x ? 0 : 1);
        case Op::CallMember: case Op::Index: return -y;
        case Op::SetMember: return -(y + 2);
        case Op::StoreIndexL: case Op::StoreIndexG: case Op::StoreIndexR: return -(y + 1);
        case Op::DimL: case Op::DimG: case Op::ReDimL: case Op::ReDimG: case Op::ReDimR: return -y;
        case Op::ForPrep: return -3;
        default: return 0;
        }
    }

    int emit(Op op, Pos pos, int a = 0, int y = 0, int x = 0, int64_t b = 0)
    {
        Instr in;
        in.op = op;
        in.a = a;
        in.y = static_cast<uint16_t>(y);
        in.x = static_cast<uint8_t>(x);
        in.b = b;
        Chunk& c = *scope_->chunk;
        c.code.push_back(in);
        c.pos.push_back(pos);
        scope_->depth += stackEffect(op, y, x);
        if (scope_->depth + 2 > scope_->maxDepth) scope_->maxDepth = scope_->depth + 2;
        return static_cast<int>(c.code.size()) - 1;
    }
    int emitG(Op op, Pos pos, Variant* g, int y = 0, int x = 0)
    {
        int i = emit(op, pos, 0, y, x);
        scope_->chunk->code[static_cast<size_t>(i)].g = g;
        return i;
    }
    int here() const { return static_cast<int>(scope_->chunk->code.size()); }
    void patch(int at, int target) { scope_->chunk->code[static_cast<size_t>(at)].a = target; }
    int constant(const Variant& v)
    {
        auto& k = scope_->chunk->consts;
        k.push_back(v);
        if (k.size() > 0x7FFFFFF) fail(ErrOutOfMemory, {});
        return static_cast<int>(k.size()) - 1;
    }
    int nameConst(const std::string& name)
    {
        auto& k = scope_->chunk->consts;
        for (size_t i = 0; i < k.size(); ++i)
            if (k[i].isString() && k[i].rawString() == name) return static_cast<int>(i);
        return constant(Variant::str(name));
    }
    int hiddenSlots(int n)
    {
        int s = scope_->nslots;
        scope_->nslots += n;
        scope_->refSlot.resize(static_cast<size_t>(scope_->nslots), false);
        if (scope_->nslots > 60000) fail(ErrOutOfMemory, {});
        return s;
    }
    void statementRange(int start)
    {
        if (here() > start) scope_->chunk->statements.emplace_back(start, here());
    }
    void finish(Scope& sc)
    {
        sc.chunk->nlocals = sc.nslots;
        sc.chunk->maxStack = sc.maxDepth + 4;
        auto& st = sc.chunk->statements;
        std::sort(st.begin(), st.end());
    }

    // ---- names ----
    void declareTopLevel(const Stmt& s)
    {
        switch (s.kind) {
        case StmtKind::Dim: case StmtKind::ReDim:
            for (const DimItem& d : s.dims)
                if (!eng_.findGlobal(d.name)) eng_.declareGlobal(d.name);
            break;
        case StmtKind::Const:
            for (const auto& [d, v] : s.consts) {
                Variant lit;
                if (literalValue(*v, lit)) eng_.defineConstant(d.name, lit);
                else if (!eng_.findGlobal(d.name)) eng_.declareGlobal(d.name);
            }
            break;
        default: break;
        }
    }

    static bool literalValue(const Expr& e, Variant& out)
    {
        if (e.kind == ExprKind::Literal) {
            out = e.value;
            return true;
        }
        if (e.kind == ExprKind::Neg && e.base->kind == ExprKind::Literal && e.base->value.isNumeric()) {
            try {
                out = opNegate(e.base->value);
            } catch (const ScriptError&) {
                return false;
            }
            return true;
        }
        if (e.kind == ExprKind::Paren) return literalValue(*e.base, out);
        return false;
    }
    static Variant opNegate(const Variant& v);

    Sym resolve(const std::string& name)
    {
        Sym s;
        Scope& sc = *scope_;
        if (auto c = sc.consts.find(name); c != sc.consts.end()) {
            s.kind = Sym::Const;
            s.value = c->second;
            return s;
        }
        if (auto l = sc.locals.find(name); l != sc.locals.end()) {
            s.kind = sc.refSlot[static_cast<size_t>(l->second)] ? Sym::RefParam : Sym::Local;
            s.slot = l->second;
            return s;
        }
        if (sc.proc) {
            if (sc.cls) {
                if (name == "me") {
                    s.kind = Sym::Local;
                    s.slot = sc.proc->meSlot;
                    return s;
                }
                if (sc.cls->members.count(name)) {
                    s.kind = Sym::Method;
                    return s;
                }
            }
        }
        if (const GlobalSym* g = eng_.findGlobal(name)) {
            switch (g->kind) {
            case GlobalSym::Variable: s.kind = Sym::Global; s.g = g->var; return s;
            case GlobalSym::Constant: s.kind = Sym::Const; s.value = g->constant; return s;
            case GlobalSym::Procedure: s.kind = Sym::Procedure; s.slot = g->proc; return s;
            case GlobalSym::Class: s.kind = Sym::Class; s.slot = g->proc; return s;
            }
        }
        if (findConstant(name, s.value)) {
            s.kind = Sym::Const;
            return s;
        }
        int b = findBuiltin(name);
        if (b >= 0) {
            s.kind = Sym::Library;
            s.slot = b;
            return s;
        }
        if (eng_.isGlobalMember(name)) s.kind = Sym::Member;
        return s;
    }

    bool isOwnFunction(const std::string& name) const
    {
        return scope_->proc && scope_->proc->isFunction && scope_->proc->name == name;
    }

    // Declares an undeclared name where it is first assigned or used.
    Sym declare(const std::string& name)
    {
        Sym s;
        if (scope_->proc) {
            int slot = hiddenSlots(1);
            scope_->locals[name] = slot;
            s.kind = Sym::Local;
            s.slot = slot;
        } else {
            s.kind = Sym::Global;
            s.g = eng_.declareGlobal(name);
        }
        return s;
    }

    // A variable for reading or writing; undeclared names are created unless
    // Option Explicit is on. Returns Unknown for names that are not variables.
    Sym variable(const std::string& name, Pos pos, bool forWrite, const std::string& written = {})
    {
        // Me always names the object a method runs on: a method's fields are
        // reached through it, so it cannot be assigned.
        if (forWrite && name == "me") fail(ErrIllegalAssign, pos, written.empty() ? name : written);
        if (isOwnFunction(name)) {
            Sym s;
            s.kind = Sym::Local;
            s.slot = scope_->proc->resultSlot;
            return s;
        }
        Sym s = resolve(name);
        if (s.kind == Sym::Unknown) {
            if (explicit_) {
                if (forWrite) fail(ErrUndefined, pos, written.empty() ? name : written);
                return s;
            }
            return declare(name);
        }
        return s;
    }

    void load(const Sym& s, Pos pos)
    {
        switch (s.kind) {
        case Sym::Local: emit(Op::LoadL, pos, s.slot); break;
        case Sym::RefParam: emit(Op::LoadR, pos, s.slot); break;
        case Sym::Global: emitG(Op::LoadG, pos, s.g); break;
        case Sym::Const: emit(Op::PushK, pos, constant(s.value)); break;
        default: break;
        }
    }

    // ---- procedures ----
    void procedure(const ProcDef& d, Proc& p)
    {
        Scope sc;
        sc.proc = &p;
        sc.chunk = &p.chunk;
        scope_ = &sc;
        for (size_t i = 0; i < d.params.size(); ++i) {
            sc.locals[d.params[i].name] = static_cast<int>(i);
            sc.refSlot.push_back(!d.params[i].byVal);
        }
        sc.nslots = p.nparams + 1;
        sc.refSlot.resize(static_cast<size_t>(sc.nslots), false);
        if (p.owner) {
            // Me, then one by-reference slot per field, filled when the method starts.
            sc.cls = p.owner;
            p.meSlot = hiddenSlots(1);
            p.nfields = static_cast<int>(p.owner->fieldNames.size());
            p.fieldBase = hiddenSlots(p.nfields);
            for (int i = 0; i < p.nfields; ++i) {
                sc.locals[p.owner->fieldNames[static_cast<size_t>(i)]] = p.fieldBase + i;
                sc.refSlot[static_cast<size_t>(p.fieldBase + i)] = true;
            }
        }
        for (const Param& prm : d.params) sc.dimmed.insert(prm.name);
        declareLocals(d.body);
        block(d.body);
        emit(Op::Return, d.pos);
        finish(sc);
        p.localNames.assign(static_cast<size_t>(sc.nslots), std::string());
        for (const auto& [name, slot] : sc.locals) p.localNames[static_cast<size_t>(slot)] = name;
        if (p.meSlot >= 0) p.localNames[static_cast<size_t>(p.meSlot)] = "me";
    }

    // Dim, ReDim and Const anywhere in a procedure declare for the whole body.
    void declareLocals(const Block& b)
    {
        for (const StmtPtr& s : b) {
            if (s->kind == StmtKind::Dim || s->kind == StmtKind::ReDim) {
                for (const DimItem& d : s->dims)
                    if (!scope_->locals.count(d.name)) scope_->locals[d.name] = hiddenSlots(1);
            } else if (s->kind == StmtKind::Const) {
                for (const auto& [d, v] : s->consts) {
                    Variant lit;
                    if (literalValue(*v, lit)) scope_->consts[d.name] = lit;
                    else if (!scope_->locals.count(d.name)) scope_->locals[d.name] = hiddenSlots(1);
                }
            }
            for (const auto& br : s->branches) declareLocals(br.second);
            if (s->kind == StmtKind::With) declareLocals(s->body);
            declareLocals(s->body);
            for (const CaseClause& c : s->cases) declareLocals(c.body);
        }
    }

    // ---- statements ----
    void block(const Block& b)
    {
        for (const StmtPtr& s : b) statement(*s);
    }

    void statement(const Stmt& s)
    {
        int start = here();
        switch (s.kind) {
        case StmtKind::Assign: assign(*s.target, *s.value, false, s.pos); break;
        case StmtKind::Set: assign(*s.target, *s.value, true, s.pos); break;
        case StmtKind::Call: call(*s.target, s.args, true, s.pos); break;
        case StmtKind::Dim: dim(s); break;
        case StmtKind::ReDim: redim(s); break;
        case StmtKind::Const: constStatement(s); break;
        case StmtKind::Erase: erase(s); break;
        case StmtKind::OnErrorResumeNext: emit(Op::OnError, s.pos, 0, 0, 1); break;
        case StmtKind::OnErrorGoto0: emit(Op::OnError, s.pos, 0, 0, 0); break;
        case StmtKind::OptionExplicit: case StmtKind::NoOp: break;
        case StmtKind::With: withStatement(s); return;
        case StmtKind::If: ifStatement(s); return;
        case StmtKind::Select: selectStatement(s); return;
        case StmtKind::For: forStatement(s); return;
        case StmtKind::ForEach: forEachStatement(s); return;
        case StmtKind::Do: doStatement(s); return;
        case StmtKind::While: whileStatement(s); return;
        case StmtKind::Exit: exitStatement(s); return;
        }
        statementRange(start);
    }

    void assign(const Expr& target, const Expr& value, bool isSet, Pos pos)
    {
        auto valueCode = [&] {
            expr(value);
            if (isSet) emit(Op::CheckObject, value.pos);
            else if (mayBeObject(value)) emit(Op::LetValue, value.pos);
        };
        if (target.kind == ExprKind::Name) {
            Sym s = variable(target.name, target.pos, true);
            // "s = s & x" appends to s in place.
            if (!isSet && value.kind == ExprKind::Binary && value.op == BinOp::Concat &&
                value.base->kind == ExprKind::Name && value.base->name == target.name &&
                (s.kind == Sym::Local || s.kind == Sym::Global)) {
                expr(*value.rhs);
                if (s.kind == Sym::Local) emit(Op::AppendL, value.pos, s.slot);
                else emitG(Op::AppendG, value.pos, s.g);
                return;
            }
            switch (s.kind) {
            case Sym::Local: valueCode(); emit(Op::StoreL, pos, s.slot); return;
            case Sym::RefParam: valueCode(); emit(Op::StoreR, pos, s.slot); return;
            case Sym::Global: valueCode(); emitG(Op::StoreG, pos, s.g); return;
            case Sym::Method:
                emit(Op::LoadL, pos, scope_->proc->meSlot);
                valueCode();
                emitMember(Op::SetMember, pos, target, 0, 1 | (isSet ? 2 : 0));
                return;
            default: fail(ErrIllegalAssign, target.pos, shown(target));
            }
        }
        if (target.kind == ExprKind::Call && target.base->kind == ExprKind::Name && !isOwnFunction(target.base->name)) {
            Sym s = variable(target.base->name, target.pos, true, target.base->written);
            if (s.kind == Sym::Method) {
                emit(Op::LoadL, pos, scope_->proc->meSlot);
                for (const ExprPtr& a : target.args) argValue(a.get());
                valueCode();
                emitMember(Op::SetMember, pos, *target.base, argCount(target.args, pos), 1 | (isSet ? 2 : 0));
                return;
            }
            if (s.kind != Sym::Local && s.kind != Sym::RefParam && s.kind != Sym::Global)
                fail(ErrIllegalAssign, target.pos, shown(*target.base));
            if (target.args.size() > 60) fail(ErrSubscript, target.pos);
            for (const ExprPtr& a : target.args) argValue(a.get());
            valueCode();
            int n = static_cast<int>(target.args.size());
            if (s.kind == Sym::Local) emit(Op::StoreIndexL, pos, s.slot, n);
            else if (s.kind == Sym::RefParam) emit(Op::StoreIndexR, pos, s.slot, n);
            else emitG(Op::StoreIndexG, pos, s.g, n);
            return;
        }
        if (target.kind == ExprKind::Member) {
            expr(*target.base);
            valueCode();
            emitMember(Op::SetMember, pos, target, 0, memberFlags(*target.base) | (isSet ? 2 : 0));
            return;
        }
        if (target.kind == ExprKind::Call && target.base->kind == ExprKind::Member) {
            expr(*target.base->base);
            for (const ExprPtr& a : target.args) argValue(a.get());
            valueCode();
            emitMember(Op::SetMember, pos, *target.base, argCount(target.args, pos),
                 memberFlags(*target.base->base) | (isSet ? 2 : 0));
            return;
        }
        fail(ErrIllegalAssign, target.pos);
    }

    static std::string shown(const Expr& e) { return e.written.empty() ? e.name : e.written; }
    // A member call or assignment: a = the member's name, b = its spelling for messages.
    void emitMember(Op op, Pos pos, const Expr& member, int argc, int flags)
    {
        int i = emit(op, pos, nameConst(member.name), argc, flags);
        scope_->chunk->code[static_cast<size_t>(i)].b = nameConst(shown(member));
    }
    // Whether an expression can give an object, which a plain assignment replaces by its default value.
    static bool mayBeObject(const Expr& e)
    {
        switch (e.kind) {
        case ExprKind::Literal: return e.value.isObject();
        case ExprKind::Binary: case ExprKind::Neg: case ExprKind::Not: return false;
        case ExprKind::Paren: return mayBeObject(*e.base);
        default: return true;
        }
    }
    // Member access through Me reaches the class's private members too.
    int memberFlags(const Expr& object) const
    {
        return object.kind == ExprKind::Name && object.name == "me" && scope_->cls ? 1 : 0;
    }
    // A value argument; an omitted one ("f(a, , c)") is passed as Empty.
    void argValue(const Expr* a)
    {
        if (a) expr(*a);
        else emit(Op::PushEmpty, {});
    }

    int argCount(const std::vector<ExprPtr>& args, Pos pos)
    {
        if (args.size() > 1000) fail(ErrWrongArgs, pos);
        return static_cast<int>(args.size());
    }

    // An argument: a reference when a plain variable meets a ByRef parameter.
    void argument(const Expr* ap, bool byRef)
    {
        if (!ap) {
            emit(Op::PushEmpty, {});
            return;
        }
        const Expr& a = *ap;
        if (byRef && a.kind == ExprKind::Name && a.name != "me") {
            Sym s = isOwnFunction(a.name) ? variable(a.name, a.pos, false) : resolve(a.name);
            if (s.kind == Sym::Unknown && !explicit_) s = declare(a.name);
            switch (s.kind) {
            case Sym::Local: case Sym::RefParam: emit(Op::RefL, a.pos, s.slot); return;
            case Sym::Global: emitG(Op::RefG, a.pos, s.g); return;
            default: break;
            }
        }
        expr(a);
    }

    // A call of `callee` with arguments; drop discards the result (statement form).
    void call(const Expr& callee, const std::vector<ExprPtr>& args, bool drop, Pos pos)
    {
        int n = argCount(args, pos);
        if (callee.kind == ExprKind::Name) {
            const std::string& name = callee.name;
            Sym s = resolve(name);
            if (isOwnFunction(name) && args.empty() && !drop) {
                emit(Op::LoadL, callee.pos, scope_->proc->resultSlot);
                return;
            }
            if (isOwnFunction(name)) {
                s.kind = Sym::Procedure;
                s.slot = eng_.findGlobal(name)->proc;
            }
            switch (s.kind) {
            case Sym::Local: case Sym::RefParam: case Sym::Global: case Sym::Const:
                load(s, callee.pos);
                if (n > 0) {
                    for (const ExprPtr& a : args) argValue(a.get());
                    emit(Op::Index, pos, 0, n);
                }
                if (drop) emit(Op::Pop, pos);
                return;
            case Sym::Procedure: {
                const Proc& p = eng_.procedure(s.slot);
                for (int i = 0; i < n; ++i)
                    argument(args[static_cast<size_t>(i)].get(), i < p.nparams && p.byRef[static_cast<size_t>(i)]);
                emit(Op::CallProc, pos, s.slot, n, drop ? 1 : 0);
                return;
            }
            case Sym::Library: {
                const Builtin& b = builtin(s.slot);
                if (n < b.minArgs || n > b.maxArgs) fail(ErrWrongArgs, pos, shown(callee));
                for (const ExprPtr& a : args) argValue(a.get());
                emit(Op::CallBuiltin, pos, s.slot, n, drop ? 1 : 0);
                return;
            }
            case Sym::Method:
                emit(Op::LoadL, pos, scope_->proc->meSlot);
                for (const ExprPtr& a : args) argValue(a.get());
                emitMember(Op::CallMember, pos, callee, n, 1);
                if (drop) emit(Op::Pop, pos);
                return;
            case Sym::Class:
                fail(ErrTypeMismatch, pos, shown(callee));
            default: {
                for (const ExprPtr& a : args) argument(a.get(), true);
                int i = emit(Op::CallName, pos, nameConst(name), n, drop ? 1 : 0);
                scope_->chunk->code[static_cast<size_t>(i)].b = nameConst(shown(callee));
                return;
            }
            }
        }
        if (callee.kind == ExprKind::Member) {
            expr(*callee.base);
            for (const ExprPtr& a : args) argValue(a.get());
            emitMember(Op::CallMember, pos, callee, n, memberFlags(*callee.base));
            if (drop) emit(Op::Pop, pos);
            return;
        }
        expr(callee);
        for (const ExprPtr& a : args) argValue(a.get());
        emit(Op::Index, pos, 0, n);
        if (drop) emit(Op::Pop, pos);
    }

    void dim(const Stmt& s)
    {
        for (const DimItem& d : s.dims) {
            bool twice = !scope_->dimmed.insert(d.name).second;
            if (twice || (!scope_->proc && procNames_ && procNames_->count(d.name)) ||
                (scope_->proc && scope_->consts.count(d.name)))
                fail(ErrNameRedefined, d.pos, d.written);
            Sym v = scope_->proc ? resolve(d.name) : Sym{};
            if (!scope_->proc) {
                const GlobalSym* g = eng_.findGlobal(d.name);
                if (g && g->kind != GlobalSym::Variable) fail(ErrNameRedefined, d.pos, d.written);
                v.kind = Sym::Global;
                v.g = g ? g->var : eng_.declareGlobal(d.name);
            }
            if (!d.isArray) continue;
            for (const ExprPtr& b : d.bounds) argValue(b.get());
            int n = static_cast<int>(d.bounds.size());
            if (v.kind == Sym::Global) emitG(Op::DimG, d.pos, v.g, n);
            else if (v.kind == Sym::Local) emit(Op::DimL, d.pos, v.slot, n);
            else fail(ErrNameRedefined, d.pos, d.name);
        }
    }

    void redim(const Stmt& s)
    {
        for (const DimItem& d : s.dims) {
            Sym v = variable(d.name, d.pos, true, d.written);
            for (const ExprPtr& b : d.bounds) argValue(b.get());
            int n = static_cast<int>(d.bounds.size());
            int keep = s.preserve ? 1 : 0;
            switch (v.kind) {
            case Sym::Local: emit(Op::ReDimL, d.pos, v.slot, n, keep); break;
            case Sym::RefParam: emit(Op::ReDimR, d.pos, v.slot, n, keep); break;
            case Sym::Global: emitG(Op::ReDimG, d.pos, v.g, n, keep); break;
            default: fail(ErrIllegalAssign, d.pos, d.name);
            }
        }
    }

    void erase(const Stmt& s)
    {
        const DimItem& d = s.dims[0];
        Sym v = variable(d.name, d.pos, true);
        switch (v.kind) {
        case Sym::Local: emit(Op::EraseL, d.pos, v.slot); break;
        case Sym::RefParam: emit(Op::EraseR, d.pos, v.slot); break;
        case Sym::Global: emitG(Op::EraseG, d.pos, v.g); break;
        default: fail(ErrIllegalAssign, d.pos, d.name);
        }
    }

    void constStatement(const Stmt& s)
    {
        for (const auto& [d, v] : s.consts) {
            Variant lit;
            if (literalValue(*v, lit)) {
                if (scope_->proc) scope_->consts[d.name] = lit;
                else eng_.defineConstant(d.name, lit);
                continue;
            }
            Sym target = variable(d.name, d.pos, true);
            expr(*v);
            if (target.kind == Sym::Local) emit(Op::StoreL, d.pos, target.slot);
            else if (target.kind == Sym::Global) emitG(Op::StoreG, d.pos, target.g);
            else fail(ErrNameRedefined, d.pos, d.name);
        }
    }

    // A condition: evaluated, then a jump when it is false; an error while
    // evaluating it resumes into the guarded block, as the language does.
    int condition(const Expr& e, bool jumpWhenTrue = false)
    {
        int start = here();
        expr(e);
        int j = emit(jumpWhenTrue ? Op::JmpTrue : Op::JmpFalse, e.pos);
        statementRange(start);
        return j;
    }

    void ifStatement(const Stmt& s)
    {
        std::vector<int> ends;
        for (const auto& [cond, body] : s.branches) {
            int jf = condition(*cond);
            block(body);
            ends.push_back(emit(Op::Jmp, s.pos));
            patch(jf, here());
        }
        if (s.hasElse) block(s.body);
        for (int e : ends) patch(e, here());
    }

    static Op compareOp(BinOp op)
    {
        switch (op) {
        case BinOp::Eq: return Op::Eq;
        case BinOp::Ne: return Op::Ne;
        case BinOp::Lt: return Op::Lt;
        case BinOp::Le: return Op::Le;
        case BinOp::Gt: return Op::Gt;
        default: return Op::Ge;
        }
    }

    void selectStatement(const Stmt& s)
    {
        int subject = hiddenSlots(1);
        int start = here();
        expr(*s.target);
        emit(Op::StoreL, s.pos, subject);
        statementRange(start);
        std::vector<int> ends;
        for (const CaseClause& c : s.cases) {
            if (c.isElse) {
                block(c.body);
                break;
            }
            std::vector<int> toBody;
            for (const CaseItem& it : c.items) {
                // Each test is a range of its own: an error inside it resumes with
                // the next test, with the operand stack as the test found it.
                int testStart = here();
                int flags = literalFlags(nullptr, it.a.get());
                switch (it.kind) {
                case CaseItem::Value:
                    emit(Op::LoadL, s.pos, subject);
                    expr(*it.a);
                    emit(Op::Eq, it.a->pos, 0, 0, flags);
                    toBody.push_back(emit(Op::JmpTrue, it.a->pos));
                    break;
                case CaseItem::Compare:
                    emit(Op::LoadL, s.pos, subject);
                    expr(*it.a);
                    emit(compareOp(it.op), it.a->pos, 0, 0, flags);
                    toBody.push_back(emit(Op::JmpTrue, it.a->pos));
                    break;
                case CaseItem::Range: {
                    emit(Op::LoadL, s.pos, subject);
                    expr(*it.a);
                    emit(Op::Ge, it.a->pos, 0, 0, flags);
                    int skip = emit(Op::JmpFalse, it.a->pos);
                    emit(Op::LoadL, s.pos, subject);
                    expr(*it.b);
                    emit(Op::Le, it.b->pos, 0, 0, literalFlags(nullptr, it.b.get()));
                    toBody.push_back(emit(Op::JmpTrue, it.b->pos));
                    patch(skip, here());
                    break;
                }
                }
                statementRange(testStart);
            }
            int next = emit(Op::Jmp, s.pos);
            for (int j : toBody) patch(j, here());
            block(c.body);
            ends.push_back(emit(Op::Jmp, s.pos));
            patch(next, here());
        }
        for (int e : ends) patch(e, here());
    }

    struct Counter {
        CounterKind kind;
        int64_t where;
    };
    Counter counter(const Expr& name)
    {
        Sym v = variable(name.name, name.pos, true);
        switch (v.kind) {
        case Sym::Local: return {CounterLocal, v.slot};
        case Sym::RefParam: return {CounterRef, v.slot};
        case Sym::Global: return {CounterGlobal, reinterpret_cast<int64_t>(v.g)};
        default: fail(ErrIllegalAssign, name.pos, name.name);
        }
    }

    void forStatement(const Stmt& s)
    {
        Counter c = counter(*s.target);
        int hidden = hiddenSlots(2);
        // An empty step tells Next that the header failed (under On Error Resume Next).
        emit(Op::PushEmpty, s.pos);
        emit(Op::StoreL, s.pos, hidden + 1);
        int start = here();
        expr(*s.value);
        expr(*s.limit);
        if (s.step) expr(*s.step);
        else emit(Op::PushK, s.pos, constant(Variant::integer(1)));
        int prep = emit(Op::ForPrep, s.pos, 0, hidden, c.kind, c.where);
        statementRange(start);
        loops_.push_back({true, {}});
        int body = here();
        block(s.body);
        emit(Op::ForNext, s.pos, body, hidden, c.kind, c.where);
        patch(prep, here());
        for (int e : loops_.back().exits) patch(e, here());
        loops_.pop_back();
    }

    void forEachStatement(const Stmt& s)
    {
        Counter c = counter(*s.target);
        int hidden = hiddenSlots(2);
        int start = here();
        expr(*s.value);
        int prep = emit(Op::ForEachPrep, s.pos, 0, hidden);
        statementRange(start);
        loops_.push_back({true, {}});
        int test = here();
        int next = emit(Op::ForEachNext, s.pos, 0, hidden, c.kind, c.where);
        int body = here();
        block(s.body);
        emit(Op::Jmp, s.pos, test);
        patch(next, here());
        (void)body;
        patch(prep, here());
        for (int e : loops_.back().exits) patch(e, here());
        loops_.pop_back();
    }

    void withStatement(const Stmt& s)
    {
        int slot = hiddenSlots(1);
        int start = here();
        expr(*s.value);
        emit(Op::CheckObject, s.value->pos);
        emit(Op::StoreL, s.pos, slot);
        statementRange(start);
        scope_->withSlots.push_back(slot);
        block(s.body);
        scope_->withSlots.pop_back();
        // Let the object go when the block ends.
        emit(Op::PushEmpty, s.pos);
        emit(Op::StoreL, s.pos, slot);
    }

    void doStatement(const Stmt& s)
    {
        loops_.push_back({false, {}});
        int top = here();
        int exitJump = -1;
        if (s.hasCond && s.condAtTop) exitJump = condition(*s.value, s.until);
        block(s.body);
        if (s.hasCond && !s.condAtTop) {
            int j = condition(*s.value, !s.until);
            patch(j, top);
        } else {
            emit(Op::Jmp, s.pos, top);
        }
        if (exitJump >= 0) patch(exitJump, here());
        for (int e : loops_.back().exits) patch(e, here());
        loops_.pop_back();
    }

    void whileStatement(const Stmt& s)
    {
        loops_.push_back({false, {}});
        int top = here();
        int exitJump = condition(*s.value);
        block(s.body);
        emit(Op::Jmp, s.pos, top);
        patch(exitJump, here());
        // "Exit Do" inside While...Wend is not allowed; the loop list is kept only for nesting.
        for (int e : loops_.back().exits) patch(e, here());
        loops_.pop_back();
    }

    void exitStatement(const Stmt& s)
    {
        switch (s.exit) {
        case ExitKind::Sub: case ExitKind::Function: case ExitKind::Property: {
            ProcKind k = scope_->proc ? scope_->proc->kind : ProcKind::Sub;
            bool fits = s.exit == ExitKind::Sub ? k == ProcKind::Sub
                      : s.exit == ExitKind::Function ? k == ProcKind::Function
                                                      : k != ProcKind::Sub && k != ProcKind::Function;
            if (!scope_->proc || !fits) fail(ErrInvalidExit, s.pos);
            emit(Op::Return, s.pos);
            return;
        }
        case ExitKind::Do: case ExitKind::For: {
            bool wantFor = s.exit == ExitKind::For;
            for (auto it = loops_.rbegin(); it != loops_.rend(); ++it) {
                if (it->isFor == wantFor) {
                    it->exits.push_back(emit(Op::Jmp, s.pos));
                    return;
                }
            }
            fail(ErrInvalidExit, s.pos);
        }
        }
    }

    // ---- expressions ----
    static bool isLiteral(const Expr* e)
    {
        if (!e) return false;
        if (e->kind == ExprKind::Literal) return e->value.isNumeric() || e->value.isString();
        if (e->kind == ExprKind::Neg || e->kind == ExprKind::Paren) return isLiteral(e->base.get());
        return false;
    }
    int literalFlags(const Expr* l, const Expr* r) const
    {
        return (isLiteral(l) ? 1 : 0) | (isLiteral(r) ? 2 : 0);
    }

    void expr(const Expr& e)
    {
        switch (e.kind) {
        case ExprKind::Literal:
            if (e.value.isEmpty()) emit(Op::PushEmpty, e.pos);
            else emit(Op::PushK, e.pos, constant(e.value));
            return;
        case ExprKind::Paren: expr(*e.base); return;
        case ExprKind::WithObject:
            if (scope_->withSlots.empty()) fail(ErrSyntax, e.pos);
            emit(Op::LoadL, e.pos, scope_->withSlots.back());
            return;
        case ExprKind::New: {
            Sym s = resolve(e.name);
            if (s.kind != Sym::Class) {
                // A class defined by a later program text is looked up when New runs.
                emit(Op::NewObject, e.pos, -1, 0, 0, nameConst(e.name));
                return;
            }
            emit(Op::NewObject, e.pos, s.slot);
            return;
        }
        case ExprKind::Neg: expr(*e.base); emit(Op::Neg, e.pos); return;
        case ExprKind::Not: expr(*e.base); emit(Op::Not, e.pos); return;
        case ExprKind::Name: {
            Sym s = resolve(e.name);
            if (isOwnFunction(e.name)) {
                emit(Op::LoadL, e.pos, scope_->proc->resultSlot);
                return;
            }
            switch (s.kind) {
            case Sym::Local: case Sym::RefParam: case Sym::Global: case Sym::Const: load(s, e.pos); return;
            case Sym::Procedure: case Sym::Library: case Sym::Member: case Sym::Method: case Sym::Class:
                call(e, {}, false, e.pos);
                return;
            case Sym::Unknown:
                if (explicit_) {
                    emit(Op::Undefined, e.pos, nameConst(shown(e)));
                    return;
                }
                load(declare(e.name), e.pos);
                return;
            }
            return;
        }
        case ExprKind::Call: call(*e.base, e.args, false, e.pos); return;
        case ExprKind::Member:
            expr(*e.base);
            emitMember(Op::CallMember, e.pos, e, 0, memberFlags(*e.base));
            return;
        case ExprKind::Binary: break;
        }
        if (e.base->kind == ExprKind::Binary) {
            // A chain of left operands ("1 + 2 + 3 + ..."): compiled from the
            // innermost outwards in a loop, however long the chain.
            std::vector<const Expr*> chain;
            for (const Expr* x = &e; x->kind == ExprKind::Binary; x = x->base.get()) chain.push_back(x);
            expr(*chain.back()->base);
            for (size_t k = chain.size(); k-- > 0;) operatorOn(*chain[k]);
            return;
        }
        expr(*e.base);
        operatorOn(e);
    }

    // The right operand and the operator of a binary expression whose left
    // operand is already on the stack.
    void operatorOn(const Expr& e)
    {
        // Arithmetic with a literal number on the right takes the constant directly.
        if (e.rhs->kind == ExprKind::Literal && e.rhs->value.isNumeric() &&
            (e.op == BinOp::Add || e.op == BinOp::Sub || e.op == BinOp::Mul || e.op == BinOp::Mod)) {
            Op op = e.op == BinOp::Add ? Op::AddK : e.op == BinOp::Sub ? Op::SubK : e.op == BinOp::Mul ? Op::MulK : Op::ModK;
            emit(op, e.pos, constant(e.rhs->value));
            return;
        }
        expr(*e.rhs);
        int flags = literalFlags(e.base.get(), e.rhs.get());
        switch (e.op) {
        case BinOp::Add: emit(Op::Add, e.pos); break;
        case BinOp::Sub: emit(Op::Sub, e.pos); break;
        case BinOp::Mul: emit(Op::Mul, e.pos); break;
        case BinOp::Div: emit(Op::Div, e.pos); break;
        case BinOp::IntDiv: emit(Op::IntDiv, e.pos); break;
        case BinOp::Mod: emit(Op::Mod, e.pos); break;
        case BinOp::Pow: emit(Op::Pow, e.pos); break;
        case BinOp::Concat: emit(Op::Concat, e.pos); break;
        case BinOp::Eq: case BinOp::Ne: case BinOp::Lt: case BinOp::Le: case BinOp::Gt: case BinOp::Ge:
            emit(compareOp(e.op), e.pos, 0, 0, flags);
            break;
        case BinOp::Is: emit(Op::Is, e.pos); break;
        case BinOp::And: emit(Op::And, e.pos); break;
        case BinOp::Or: emit(Op::Or, e.pos); break;
        case BinOp::Xor: emit(Op::Xor, e.pos); break;
        case BinOp::Eqv: emit(Op::Eqv, e.pos); break;
        case BinOp::Imp: emit(Op::Imp, e.pos); break;
        }
    }

    Engine& eng_;
    Scope* scope_ = nullptr;
    const std::unordered_set<std::string>* procNames_ = nullptr;
    std::vector<Loop> loops_;
    bool explicit_ = false;
};

} // namespace orr::script

#include "script/operators.h"

namespace orr::script {

Variant Compiler::opNegate(const Variant& v) { return opNeg(v); }

std::unique_ptr<Proc> compileScript(Engine& engine, const ScriptAst& ast, const std::vector<std::string>* callerLocals)
{
    return Compiler(engine).script(ast, callerLocals);
}
std::unique_ptr<Proc> compileExpression(Engine& engine, const Expr& expr, const std::vector<std::string>* callerLocals)
{
    return Compiler(engine).expression(expr, callerLocals);
}

} // namespace orr::script
