// Parser: recursive descent over the token list, building the syntax tree.
#include "script/parser.h"

#include "script/error.h"

namespace orr::script {
namespace {

// Nesting of parentheses, unary operators and blocks. Deeper programs end in
// "Out of stack space" before the native stack could run out.
constexpr int kMaxDepth = 3000;
// Links in one chain of calls and members ("a.b(1).c...").
constexpr int kMaxChain = 3000;

// Binary operator levels, lowest first.
enum Level { LImp = 1, LEqv, LXor, LOr, LAnd, LNot, LCompare, LConcat, LAdd, LMod, LIntDiv, LMul };

class Parser {
public:
    explicit Parser(std::string_view text, const std::function<void(int)>* progress = nullptr)
        : toks_(tokenize(text, progress)), progress_(progress)
    {
    }

    ScriptAst script()
    {
        ScriptAst ast;
        for (;;) {
            skipSeparators();
            if (at(TokKind::End)) break;
            if (isProcedureStart()) {
                ast.procs.push_back(procedure());
                endOfStatement();
                continue;
            }
            if (isKw(Kw::Class)) {
                ast.classes.push_back(classDefinition());
                endOfStatement();
                continue;
            }
            if (isIdent("option")) {
                Pos pos = here();
                ++p_;
                if (!isIdent("explicit")) fail(ErrSyntax);
                ++p_;
                ast.optionExplicit = true;
                auto s = std::make_unique<Stmt>();
                s->kind = StmtKind::OptionExplicit;
                s->pos = pos;
                ast.top.push_back(std::move(s));
                endOfStatement();
                continue;
            }
            ast.top.push_back(statement());
            endOfStatement();
        }
        return ast;
    }

    ExprPtr wholeExpression()
    {
        while (at(TokKind::Newline)) ++p_;
        ExprPtr e = expr();
        while (at(TokKind::Newline)) ++p_;
        if (!at(TokKind::End)) fail(ErrExpectedEndOfStatement);
        return e;
    }

private:
    // ---- token helpers ----
    const Token& tok() const { return toks_[p_]; }
    const Token& peek(size_t k) const { return toks_[std::min(p_ + k, toks_.size() - 1)]; }
    bool at(TokKind k) const { return tok().kind == k; }
    bool isKw(Kw k) const { return tok().kind == TokKind::Ident && tok().kw == k; }
    bool isIdent(const char* name) const { return tok().kind == TokKind::Ident && tok().kw == Kw::None && tok().text == name; }
    Pos here() const { return {tok().line, tok().col}; }
    [[noreturn]] void fail(int num) const { throw ScriptError(num, errorDescription(num), tok().line, tok().col); }
    void expect(TokKind k, int err)
    {
        if (!at(k)) fail(err);
        ++p_;
    }
    void expectKw(Kw k, int err)
    {
        if (!isKw(k)) fail(err);
        ++p_;
    }
    bool accept(TokKind k)
    {
        if (!at(k)) return false;
        ++p_;
        return true;
    }
    bool acceptKw(Kw k)
    {
        if (!isKw(k)) return false;
        ++p_;
        return true;
    }
    std::string identifier()
    {
        if (!at(TokKind::Ident) || tok().kw != Kw::None) fail(ErrExpectedIdent);
        return toks_[p_++].text;
    }
    // An identifier with its spelling as written.
    std::string identifier(std::string& written)
    {
        if (!at(TokKind::Ident) || tok().kw != Kw::None) fail(ErrExpectedIdent);
        written = tok().written;
        return toks_[p_++].text;
    }
    bool isProcedureStart() const
    {
        size_t k = 0;
        if (isKw(Kw::Public) || isKw(Kw::Private)) {
            k = 1;
            if (peek(1).kind == TokKind::Ident && peek(1).kw == Kw::None && peek(1).text == "default") k = 2;
        }
        const Token& t = peek(k);
        return t.kind == TokKind::Ident && (t.kw == Kw::Sub || t.kw == Kw::Function || (t.kw == Kw::None && t.text == "property"));
    }
    bool atStatementEnd() const
    {
        return at(TokKind::Newline) || at(TokKind::Colon) || at(TokKind::End) || (singleLine_ > 0 && isKw(Kw::Else));
    }
    void endOfStatement()
    {
        if (!atStatementEnd()) fail(ErrExpectedEndOfStatement);
    }
    void skipSeparators()
    {
        while (at(TokKind::Newline) || at(TokKind::Colon)) ++p_;
    }
    struct DepthGuard {
        explicit DepthGuard(Parser& ps) : p(ps)
        {
            if (++p.depth_ > kMaxDepth) p.fail(ErrOutOfStack);
        }
        ~DepthGuard() { --p.depth_; }
        Parser& p;
    };

    // ---- procedures and classes ----
    ProcDef procedure()
    {
        ProcDef d;
        d.pos = here();
        if (isKw(Kw::Public) || isKw(Kw::Private)) {
            d.isPublic = isKw(Kw::Public);
            ++p_;
            if (isIdent("default")) {
                if (!d.isPublic) fail(ErrSyntax);
                d.isDefault = true;
                ++p_;
            }
        }
        if (isKw(Kw::Function)) {
            d.kind = ProcKind::Function;
        } else if (isIdent("property")) {
            ++p_;
            if (isIdent("get")) d.kind = ProcKind::PropertyGet;
            else if (isIdent("let")) d.kind = ProcKind::PropertyLet;
            else if (isKw(Kw::Set)) d.kind = ProcKind::PropertySet;
            else fail(ErrSyntax);
        }
        d.isFunction = d.kind == ProcKind::Function || d.kind == ProcKind::PropertyGet;
        ++p_;
        d.name = identifier(d.written);
        if (accept(TokKind::LParen)) {
            if (!at(TokKind::RParen)) {
                do {
                    Param prm;
                    if (acceptKw(Kw::ByVal)) prm.byVal = true;
                    else acceptKw(Kw::ByRef);
                    prm.name = identifier();
                    if (accept(TokKind::LParen)) {
                        expect(TokKind::RParen, ErrExpectedRParen);
                        prm.isArray = true;
                    }
                    for (const Param& q : d.params)
                        if (q.name == prm.name) fail(ErrNameRedefined);
                    d.params.push_back(prm);
                } while (accept(TokKind::Comma));
            }
            expect(TokKind::RParen, ErrExpectedRParen);
        }
        if ((d.kind == ProcKind::PropertyLet || d.kind == ProcKind::PropertySet) && d.params.empty()) fail(ErrSyntax);
        endOfStatement();
        d.body = block();
        expectKw(Kw::End, ErrExpectedEnd);
        if (d.kind == ProcKind::Function) expectKw(Kw::Function, ErrExpectedFunction);
        else if (d.kind == ProcKind::Sub) expectKw(Kw::Sub, ErrExpectedSub);
        else if (isIdent("property")) ++p_;
        else fail(ErrSyntax);
        return d;
    }

    ClassDef classDefinition()
    {
        ClassDef c;
        c.pos = here();
        ++p_;
        c.name = identifier(c.written);
        endOfStatement();
        for (;;) {
            skipSeparators();
            if (isKw(Kw::End)) break;
            if (at(TokKind::End)) fail(ErrExpectedEnd);
            if (isProcedureStart()) {
                c.methods.push_back(procedure());
            } else if (isKw(Kw::Public) || isKw(Kw::Private) || isKw(Kw::Dim)) {
                bool pub = !isKw(Kw::Private);
                ++p_;
                do {
                    FieldDef f;
                    f.isPublic = pub;
                    f.item = dimItem(false);
                    c.fields.push_back(std::move(f));
                } while (accept(TokKind::Comma));
            } else {
                fail(ErrExpectedStatement);
            }
            endOfStatement();
        }
        ++p_;
        expectKw(Kw::Class, ErrSyntax);
        return c;
    }

    // Statements until one of the block-ending words.
    Block block()
    {
        Block b;
        for (;;) {
            skipSeparators();
            if (at(TokKind::End)) return b;
            if (tok().kind == TokKind::Ident) {
                switch (tok().kw) {
                case Kw::End: case Kw::Else: case Kw::ElseIf: case Kw::Case: case Kw::Loop:
                case Kw::Next: case Kw::Wend:
                    return b;
                case Kw::Public: case Kw::Private:
                    if (isProcedureStart()) fail(ErrSyntax);
                    break;
                case Kw::Sub: case Kw::Function: case Kw::Class:
                    fail(ErrSyntax);
                default:
                    if (tok().kw == Kw::None && tok().text == "property") fail(ErrSyntax);
                    break;
                }
            }
            b.push_back(statement());
            endOfStatement();
        }
    }

    StmtPtr make(StmtKind k, Pos pos)
    {
        auto s = std::make_unique<Stmt>();
        s->kind = k;
        s->pos = pos;
        return s;
    }

    StmtPtr statement()
    {
        DepthGuard g(*this);
        if (progress_ && *progress_ && ++work_ >= 64) {
            try {
                (*progress_)(work_);
            } catch (ScriptError& e) {
                if (e.line == 0) {
                    e.line = tok().line;
                    e.column = tok().col;
                }
                throw;
            }
            work_ = 0;
        }
        Pos pos = here();
        if (at(TokKind::Dot) && withDepth_ > 0) return identStatement(pos);
        if (tok().kind != TokKind::Ident) fail(ErrExpectedStatement);
        switch (tok().kw) {
        case Kw::Dim: ++p_; return dim(pos);
        case Kw::Public: case Kw::Private:
            ++p_;
            if (isKw(Kw::Const)) { ++p_; return constant(pos); }
            return dim(pos);
        case Kw::ReDim: ++p_; return redim(pos);
        case Kw::Const: ++p_; return constant(pos);
        case Kw::If: ++p_; return ifStatement(pos);
        case Kw::Select: ++p_; return selectStatement(pos);
        case Kw::For: ++p_; return forStatement(pos);
        case Kw::Do: ++p_; return doStatement(pos);
        case Kw::While: ++p_; return whileStatement(pos);
        case Kw::Exit: ++p_; return exitStatement(pos);
        case Kw::On: ++p_; return onError(pos);
        case Kw::With: {
            ++p_;
            auto s = make(StmtKind::With, pos);
            s->value = expr();
            endOfStatement();
            ++withDepth_;
            s->body = block();
            --withDepth_;
            expectKw(Kw::End, ErrExpectedEnd);
            expectKw(Kw::With, ErrSyntax);
            return s;
        }
        case Kw::Erase: {
            ++p_;
            auto s = make(StmtKind::Erase, pos);
            DimItem d;
            d.pos = here();
            d.name = identifier();
            s->dims.push_back(std::move(d));
            return s;
        }
        case Kw::Set: {
            ++p_;
            auto s = make(StmtKind::Set, pos);
            s->target = postfix(nullptr);
            checkAssignable(*s->target);
            expect(TokKind::Eq, ErrExpectedEquals);
            s->value = expr();
            return s;
        }
        case Kw::Call: {
            ++p_;
            auto s = make(StmtKind::Call, pos);
            ExprPtr t = postfix(nullptr);
            splitCall(std::move(t), *s);
            return s;
        }
        case Kw::None:
            if (tok().text == "stop" && (peek(1).kind == TokKind::Newline || peek(1).kind == TokKind::Colon ||
                                         peek(1).kind == TokKind::End)) {
                ++p_;
                return make(StmtKind::NoOp, pos);  // a breakpoint; nothing without a debugger
            }
            return identStatement(pos);
        default:
            if (at(TokKind::Dot) && withDepth_ > 0) return identStatement(pos);
            fail(ErrExpectedStatement);
        }
    }

    void checkAssignable(const Expr& e)
    {
        if (e.kind != ExprKind::Name && e.kind != ExprKind::Member && e.kind != ExprKind::Call) fail(ErrSyntax);
    }

    // "callee(args)" as a statement: the callee and its argument list.
    void splitCall(ExprPtr t, Stmt& s)
    {
        if (t->kind == ExprKind::Call) {
            s.target = std::move(t->base);
            s.args = std::move(t->args);
        } else if (t->kind == ExprKind::Name || t->kind == ExprKind::Member) {
            s.target = std::move(t);
        } else {
            fail(ErrExpectedStatement);
        }
    }

    StmtPtr identStatement(Pos pos)
    {
        size_t lastParen = SIZE_MAX;
        ExprPtr t = postfix(&lastParen);
        if (accept(TokKind::Eq)) {
            checkAssignable(*t);
            auto s = make(StmtKind::Assign, pos);
            s->target = std::move(t);
            s->value = expr();
            return s;
        }
        auto s = make(StmtKind::Call, pos);
        if (atStatementEnd()) {
            // "Name(a, b)" as a statement: a Sub call cannot put its arguments in parentheses.
            if (t->kind == ExprKind::Call && t->args.size() > 1 && lastParen != SIZE_MAX)
                throw ScriptError(ErrParensOnSub, errorDescription(ErrParensOnSub), toks_[lastParen].line, toks_[lastParen].col);
            if (t->kind == ExprKind::Call && t->args.size() == 1 && lastParen != SIZE_MAX && t->args[0]) {
                // "name (x)": the parentheses belong to the argument, which is passed by value.
                auto paren = std::make_unique<Expr>();
                paren->kind = ExprKind::Paren;
                paren->pos = t->args[0]->pos;
                paren->base = std::move(t->args[0]);
                t->args[0] = std::move(paren);
            }
            splitCall(std::move(t), *s);
            return s;
        }
        // A call without parentheses. If what was read as "(x)" is really the
        // start of the first argument, read the arguments again from there.
        if (t->kind == ExprKind::Call && lastParen != SIZE_MAX) {
            p_ = lastParen;
            t = std::move(t->base);
        }
        if (t->kind != ExprKind::Name && t->kind != ExprKind::Member) fail(ErrExpectedEndOfStatement);
        s->target = std::move(t);
        argumentList(s->args, false);
        return s;
    }

    DimItem dimItem(bool needBounds)
    {
        DimItem d;
        d.pos = here();
        d.name = identifier(d.written);
        if (accept(TokKind::LParen)) {
            d.isArray = true;
            if (!at(TokKind::RParen)) {
                do d.bounds.push_back(expr());
                while (accept(TokKind::Comma));
            }
            expect(TokKind::RParen, ErrExpectedRParen);
            if (d.bounds.size() > 60) fail(ErrSubscript);
        }
        if (needBounds && d.bounds.empty()) fail(ErrExpectedLParen);
        return d;
    }

    StmtPtr dim(Pos pos)
    {
        auto s = make(StmtKind::Dim, pos);
        do s->dims.push_back(dimItem(false));
        while (accept(TokKind::Comma));
        return s;
    }

    StmtPtr redim(Pos pos)
    {
        auto s = make(StmtKind::ReDim, pos);
        s->preserve = acceptKw(Kw::Preserve);
        do s->dims.push_back(dimItem(true));
        while (accept(TokKind::Comma));
        return s;
    }

    StmtPtr constant(Pos pos)
    {
        auto s = make(StmtKind::Const, pos);
        do {
            DimItem d;
            d.pos = here();
            d.name = identifier(d.written);
            expect(TokKind::Eq, ErrExpectedEquals);
            s->consts.emplace_back(std::move(d), expr());
        } while (accept(TokKind::Comma));
        return s;
    }

    StmtPtr ifStatement(Pos pos)
    {
        auto s = make(StmtKind::If, pos);
        ExprPtr cond = expr();
        expectKw(Kw::Then, ErrExpectedThen);
        if (!at(TokKind::Newline) && !at(TokKind::End)) {
            // Single-line form: statements up to the end of the line.
            ++singleLine_;
            Block then = lineStatements();
            s->branches.emplace_back(std::move(cond), std::move(then));
            if (acceptKw(Kw::Else)) {
                s->hasElse = true;
                s->body = lineStatements();
            }
            --singleLine_;
            if (!at(TokKind::Newline) && !at(TokKind::End)) {
                if (isKw(Kw::End) && peek(1).kw == Kw::If) { p_ += 2; return s; }
                fail(ErrExpectedEndOfStatement);
            }
            return s;
        }
        s->branches.emplace_back(std::move(cond), block());
        for (;;) {
            if (acceptKw(Kw::ElseIf)) {
                ExprPtr c = expr();
                expectKw(Kw::Then, ErrExpectedThen);
                s->branches.emplace_back(std::move(c), block());
            } else if (acceptKw(Kw::Else)) {
                s->hasElse = true;
                s->body = block();
                break;
            } else {
                break;
            }
        }
        expectKw(Kw::End, ErrExpectedEnd);
        expectKw(Kw::If, ErrExpectedIf);
        return s;
    }

    Block lineStatements()
    {
        Block b;
        for (;;) {
            while (accept(TokKind::Colon)) {}
            if (at(TokKind::Newline) || at(TokKind::End) || isKw(Kw::Else)) break;
            if (isKw(Kw::End) && peek(1).kw == Kw::If) break;
            b.push_back(statement());
            endOfStatement();
        }
        return b;
    }

    StmtPtr selectStatement(Pos pos)
    {
        auto s = make(StmtKind::Select, pos);
        expectKw(Kw::Case, ErrExpectedCase);
        s->target = expr();
        endOfStatement();
        skipSeparators();
        while (acceptKw(Kw::Case)) {
            CaseClause c;
            if (acceptKw(Kw::Else)) {
                c.isElse = true;
            } else {
                do {
                    CaseItem it;
                    if (acceptKw(Kw::Is)) {
                        it.kind = CaseItem::Compare;
                        switch (tok().kind) {
                        case TokKind::Eq: it.op = BinOp::Eq; break;
                        case TokKind::Ne: it.op = BinOp::Ne; break;
                        case TokKind::Lt: it.op = BinOp::Lt; break;
                        case TokKind::Le: it.op = BinOp::Le; break;
                        case TokKind::Gt: it.op = BinOp::Gt; break;
                        case TokKind::Ge: it.op = BinOp::Ge; break;
                        default: fail(ErrSyntax);
                        }
                        ++p_;
                        it.a = expr();
                    } else {
                        it.a = expr();
                        if (acceptKw(Kw::To)) {
                            it.kind = CaseItem::Range;
                            it.b = expr();
                        }
                    }
                    c.items.push_back(std::move(it));
                } while (accept(TokKind::Comma));
            }
            c.body = block();
            bool wasElse = c.isElse;
            s->cases.push_back(std::move(c));
            if (wasElse) break;
        }
        expectKw(Kw::End, ErrExpectedEnd);
        expectKw(Kw::Select, ErrExpectedSelect);
        return s;
    }

    ExprPtr nameExpr()
    {
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::Name;
        e->pos = here();
        e->name = identifier(e->written);
        return e;
    }

    StmtPtr forStatement(Pos pos)
    {
        if (acceptKw(Kw::Each)) {
            auto s = make(StmtKind::ForEach, pos);
            s->target = nameExpr();
            expectKw(Kw::In, ErrExpectedIn);
            s->value = expr();
            s->body = block();
            expectKw(Kw::Next, ErrExpectedNext);
            if (at(TokKind::Ident) && tok().kw == Kw::None) ++p_;
            return s;
        }
        auto s = make(StmtKind::For, pos);
        s->target = nameExpr();
        expect(TokKind::Eq, ErrExpectedEquals);
        s->value = expr();
        expectKw(Kw::To, ErrExpectedTo);
        s->limit = expr();
        if (isIdent("step")) {
            ++p_;
            s->step = expr();
        }
        s->body = block();
        expectKw(Kw::Next, ErrExpectedNext);
        if (at(TokKind::Ident) && tok().kw == Kw::None) {
            // "Next i, j" closes two loops; only the single form is kept simple here.
            ++p_;
        }
        return s;
    }

    StmtPtr doStatement(Pos pos)
    {
        auto s = make(StmtKind::Do, pos);
        if (isKw(Kw::While) || isKw(Kw::Until)) {
            s->hasCond = true;
            s->until = isKw(Kw::Until);
            ++p_;
            s->value = expr();
        } else if (!atStatementEnd()) {
            fail(ErrExpectedWhileUntil);
        }
        s->body = block();
        expectKw(Kw::Loop, ErrExpectedLoop);
        if (isKw(Kw::While) || isKw(Kw::Until)) {
            if (s->hasCond) fail(ErrExpectedEndOfStatement);
            s->hasCond = true;
            s->condAtTop = false;
            s->until = isKw(Kw::Until);
            ++p_;
            s->value = expr();
        }
        return s;
    }

    StmtPtr whileStatement(Pos pos)
    {
        auto s = make(StmtKind::While, pos);
        s->value = expr();
        s->body = block();
        expectKw(Kw::Wend, ErrExpectedWend);
        return s;
    }

    StmtPtr exitStatement(Pos pos)
    {
        auto s = make(StmtKind::Exit, pos);
        if (acceptKw(Kw::Do)) s->exit = ExitKind::Do;
        else if (acceptKw(Kw::For)) s->exit = ExitKind::For;
        else if (acceptKw(Kw::Sub)) s->exit = ExitKind::Sub;
        else if (acceptKw(Kw::Function)) s->exit = ExitKind::Function;
        else if (isIdent("property")) { ++p_; s->exit = ExitKind::Property; }
        else fail(ErrInvalidExit);
        return s;
    }

    StmtPtr onError(Pos pos)
    {
        if (!isIdent("error")) fail(ErrSyntax);
        ++p_;
        if (isIdent("resume")) {
            ++p_;
            if (!(at(TokKind::Ident) && tok().kw == Kw::Next)) fail(ErrSyntax);
            ++p_;
            return make(StmtKind::OnErrorResumeNext, pos);
        }
        if (isIdent("goto")) {
            ++p_;
            if (!at(TokKind::Number) || !tok().value.isIntegral() || tok().value.rawInt() != 0) fail(ErrSyntax);
            ++p_;
            return make(StmtKind::OnErrorGoto0, pos);
        }
        fail(ErrSyntax);
    }

    // ---- expressions, lowest precedence first ----
    ExprPtr binary(BinOp op, ExprPtr l, ExprPtr r, Pos pos)
    {
        auto e = std::make_unique<Expr>();
        e->kind = ExprKind::Binary;
        e->op = op;
        e->pos = pos;
        e->base = std::move(l);
        e->rhs = std::move(r);
        return e;
    }

    ExprPtr expr()
    {
        DepthGuard g(*this);
        return binaryExpr(LImp);
    }

    // The binary operator at the current token and its level; false when there is none.
    bool binaryOperator(int& level, BinOp& op) const
    {
        switch (tok().kind) {
        case TokKind::Eq: op = BinOp::Eq; level = LCompare; return true;
        case TokKind::Ne: op = BinOp::Ne; level = LCompare; return true;
        case TokKind::Lt: op = BinOp::Lt; level = LCompare; return true;
        case TokKind::Le: op = BinOp::Le; level = LCompare; return true;
        case TokKind::Gt: op = BinOp::Gt; level = LCompare; return true;
        case TokKind::Ge: op = BinOp::Ge; level = LCompare; return true;
        case TokKind::Amp: op = BinOp::Concat; level = LConcat; return true;
        case TokKind::Plus: op = BinOp::Add; level = LAdd; return true;
        case TokKind::Minus: op = BinOp::Sub; level = LAdd; return true;
        case TokKind::Backslash: op = BinOp::IntDiv; level = LIntDiv; return true;
        case TokKind::Star: op = BinOp::Mul; level = LMul; return true;
        case TokKind::Slash: op = BinOp::Div; level = LMul; return true;
        case TokKind::Ident:
            switch (tok().kw) {
            case Kw::Is: op = BinOp::Is; level = LCompare; return true;
            case Kw::Mod: op = BinOp::Mod; level = LMod; return true;
            case Kw::And: op = BinOp::And; level = LAnd; return true;
            case Kw::Or: op = BinOp::Or; level = LOr; return true;
            case Kw::Xor: op = BinOp::Xor; level = LXor; return true;
            case Kw::Eqv: op = BinOp::Eqv; level = LEqv; return true;
            case Kw::Imp: op = BinOp::Imp; level = LImp; return true;
            default: return false;
            }
        default: return false;
        }
    }

    // Operators of at least minLevel, left to right; a long chain of operators
    // is read in a loop, so only parentheses and unary operators nest.
    ExprPtr binaryExpr(int minLevel)
    {
        ExprPtr l;
        if (isKw(Kw::Not) && minLevel <= LNot) {
            DepthGuard g(*this);
            l = std::make_unique<Expr>();
            l->kind = ExprKind::Not;
            l->pos = here();
            ++p_;
            l->base = binaryExpr(LNot);
        } else {
            l = unaryExpr();
        }
        for (;;) {
            int level;
            BinOp op;
            if (!binaryOperator(level, op) || level < minLevel) return l;
            Pos ps = here();
            ++p_;
            ExprPtr r = level == LCompare && isKw(Kw::Not) ? binaryExpr(LNot) : binaryExpr(level + 1);
            l = binary(op, std::move(l), std::move(r), ps);
        }
    }
    ExprPtr unaryExpr()
    {
        if (at(TokKind::Minus)) {
            DepthGuard g(*this);
            auto e = std::make_unique<Expr>();
            e->kind = ExprKind::Neg;
            e->pos = here();
            ++p_;
            e->base = unaryExpr();
            return e;
        }
        if (at(TokKind::Plus)) {
            DepthGuard g(*this);
            ++p_;
            return unaryExpr();
        }
        return powExpr();
    }
    ExprPtr powExpr()
    {
        ExprPtr l = postfix(nullptr);
        while (at(TokKind::Caret)) {
            Pos ps = here();
            ++p_;
            ExprPtr r = (at(TokKind::Minus) || at(TokKind::Plus)) ? unaryExpr() : postfix(nullptr);
            l = binary(BinOp::Pow, std::move(l), std::move(r), ps);
        }
        return l;
    }

    // Arguments separated by commas; an empty argument ("f(a, , c)") stays a null
    // pointer, which the compiler passes as a missing argument.
    void argumentList(std::vector<ExprPtr>& args, bool inParens)
    {
        for (;;) {
            bool empty = at(TokKind::Comma) || (inParens ? at(TokKind::RParen) : atStatementEnd());
            args.push_back(empty ? nullptr : expr());
            if (!accept(TokKind::Comma)) return;
        }
    }

    // A primary followed by calls "(...)" and members ".name". lastParen, when
    // given, receives the token index of the last "(" group (or SIZE_MAX when the
    // expression did not end in one).
    ExprPtr postfix(size_t* lastParen)
    {
        ExprPtr e = primary();
        for (int links = 0;; ++links) {
            if (links > kMaxChain) fail(ErrOutOfStack);
            if (at(TokKind::LParen)) {
                if (e->kind == ExprKind::Literal || e->kind == ExprKind::Paren) fail(ErrExpectedEndOfStatement);
                if (lastParen) *lastParen = p_;
                auto c = std::make_unique<Expr>();
                c->kind = ExprKind::Call;
                c->pos = e->pos;
                ++p_;
                if (!at(TokKind::RParen)) argumentList(c->args, true);
                expect(TokKind::RParen, ErrExpectedRParen);
                c->base = std::move(e);
                e = std::move(c);
            } else if (at(TokKind::Dot) && (!tok().spaceBefore || (links == 0 && e->kind == ExprKind::WithObject))) {
                if (e->kind == ExprKind::Literal) fail(ErrExpectedEndOfStatement);
                ++p_;
                auto m = std::make_unique<Expr>();
                m->kind = ExprKind::Member;
                m->pos = here();
                if (!at(TokKind::Ident)) fail(ErrExpectedIdent);
                m->written = tok().written;
                m->name = toks_[p_++].text;  // reserved words are allowed as member names
                m->base = std::move(e);
                e = std::move(m);
                if (lastParen) *lastParen = SIZE_MAX;
            } else {
                return e;
            }
        }
    }

    ExprPtr primary()
    {
        auto e = std::make_unique<Expr>();
        e->pos = here();
        const Token& t = tok();
        switch (t.kind) {
        case TokKind::Number: case TokKind::DateLit:
            e->kind = ExprKind::Literal;
            e->value = t.value;
            ++p_;
            return e;
        case TokKind::String:
            e->kind = ExprKind::Literal;
            e->value = Variant::str(t.text);
            ++p_;
            return e;
        case TokKind::Dot:
            if (withDepth_ == 0) fail(ErrExpectedExpression);
            e->kind = ExprKind::WithObject;
            return e;  // postfix() reads the ".name" that follows
        case TokKind::LParen: {
            ++p_;
            e->kind = ExprKind::Paren;
            e->base = expr();
            expect(TokKind::RParen, ErrExpectedRParen);
            return e;
        }
        case TokKind::Ident:
            switch (t.kw) {
            case Kw::None:
                e->kind = ExprKind::Name;
                e->name = t.text;
                e->written = t.written;
                ++p_;
                return e;
            case Kw::New:
                ++p_;
                e->kind = ExprKind::New;
                e->name = identifier(e->written);
                return e;
            case Kw::True: case Kw::False:
                e->kind = ExprKind::Literal;
                e->value = Variant::boolean(t.kw == Kw::True);
                ++p_;
                return e;
            case Kw::Empty:
                e->kind = ExprKind::Literal;
                ++p_;
                return e;
            case Kw::Null:
                e->kind = ExprKind::Literal;
                e->value = Variant::null();
                ++p_;
                return e;
            case Kw::Nothing:
                e->kind = ExprKind::Literal;
                e->value = Variant::nothing();
                ++p_;
                return e;
            default: fail(ErrExpectedExpression);
            }
        default: fail(ErrExpectedExpression);
        }
    }

    std::vector<Token> toks_;
    size_t p_ = 0;
    int depth_ = 0;
    int singleLine_ = 0;
    int withDepth_ = 0;
    const std::function<void(int)>* progress_ = nullptr;
    int work_ = 0;
};

} // namespace

ScriptAst parseScript(std::string_view text, const std::function<void(int)>& progress)
{
    return Parser(text, &progress).script();
}
ExprPtr parseExpression(std::string_view text) { return Parser(text).wholeExpression(); }

} // namespace orr::script
