// Script classes: creating instances, calling their members, and Class_Terminate
// when the last reference to an instance goes.
#include "script/classes.h"

#include "script/engine.h"

namespace orr::script {

ClassInstance::ClassInstance(Engine& e, std::shared_ptr<const ClassInfo> cls, std::shared_ptr<bool> alive)
    : engine(e), engineAlive(std::move(alive)), cls_(std::move(cls))
{
    fields.resize(cls_->fieldNames.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!cls_->fieldIsArray[i]) continue;
        auto* a = cls_->fieldBounds[i].empty() ? new ArrObj() : new ArrObj(cls_->fieldBounds[i]);
        a->fixed = !cls_->fieldBounds[i].empty();
        fields[i] = Variant::array(a);
    }
}

const ClassMember& ClassInstance::member(const std::string& name, bool inside) const
{
    auto it = cls_->members.find(name);
    if (it == cls_->members.end() || (!inside && !it->second.isPublic)) raise(ErrNoSuchMember, name);
    return it->second;
}

bool ClassInstance::hasMember(std::string_view name) const
{
    auto it = cls_->members.find(std::string(name));
    return it != cls_->members.end() && it->second.isPublic;
}

Variant ClassInstance::get(const std::string& name, Variant* args, int argc, bool inside, const Variant* self)
{
    if (name.empty() && cls_->defaultMember.empty()) raise(ErrNoSuchMember);
    const ClassMember& m = member(name.empty() ? cls_->defaultMember : name, inside);
    if (m.field >= 0) {
        const Variant& v = fields[static_cast<size_t>(m.field)];
        if (argc == 0) return v;
        if (v.isArray()) {
            const ArrObj* a = v.rawArray();
            return a->data[a->offset(args, static_cast<size_t>(argc))];
        }
        raise(ErrTypeMismatch, name);
    }
    int proc = m.get >= 0 ? m.get : m.method;
    if (proc < 0) raise(ErrWrongArgs, name);  // a property that can only be assigned
    return engine.execute(*cls_->procs[static_cast<size_t>(proc)], args, argc, this, self);
}

void ClassInstance::put(const std::string& name, Variant* args, int argc, const Variant& value, bool isSet, bool inside)
{
    if (name.empty() && cls_->defaultMember.empty()) raise(ErrNoSuchMember);
    const ClassMember& m = member(name.empty() ? cls_->defaultMember : name, inside);
    if (m.field >= 0) {
        Variant& f = fields[static_cast<size_t>(m.field)];
        if (argc == 0) {
            f = value.deref();
            return;
        }
        if (!f.isArray()) raise(ErrTypeMismatch, name);
        ArrObj* a = f.mutableArray();
        a->data[a->offset(args, static_cast<size_t>(argc))] = value.deref();
        return;
    }
    int proc = isSet ? (m.set >= 0 ? m.set : m.let) : (m.let >= 0 ? m.let : m.set);
    if (proc < 0) raise(ErrWrongArgs, name);  // read-only property or method
    std::vector<Variant> all(args, args + argc);
    all.push_back(value.deref());
    auto keep = shared_from_this();
    engine.execute(*cls_->procs[static_cast<size_t>(proc)], all.data(), static_cast<int>(all.size()), this);
}

Variant ClassInstance::invoke(std::string_view name, std::vector<Variant>& args)
{
    return get(std::string(name), args.data(), static_cast<int>(args.size()), false);
}

void ClassInstance::assign(std::string_view name, std::vector<Variant>& args, const Variant& value)
{
    put(std::string(name), args.data(), static_cast<int>(args.size()), value, value.deref().isObject(), false);
}

Variant ClassInstance::defaultValue()
{
    if (cls_->defaultMember.empty()) raise(ErrNoSuchMember);
    return get(cls_->defaultMember, nullptr, 0, false);
}

void InstanceDeleter::operator()(ClassInstance* p) const
{
    const ClassInfo& cls = p->info();
    if (!p->terminated && cls.terminate >= 0 && *p->engineAlive) {
        // Class_Terminate runs with Me referring to the object once more; when
        // that last reference goes, this deleter frees it.
        p->terminated = true;
        std::shared_ptr<ClassInstance> again(p, InstanceDeleter{});
        try {
            p->engine.execute(*cls.procs[static_cast<size_t>(cls.terminate)], nullptr, 0, p);
        } catch (...) {
            // An error inside Class_Terminate ends only Class_Terminate.
        }
        return;
    }
    delete p;
}

int Engine::defineClass(std::shared_ptr<ClassInfo> cls)
{
    auto it = globals_.find(cls->name);
    if (it != globals_.end() && it->second.kind == GlobalSym::Class) {
        classes_[static_cast<size_t>(it->second.proc)] = std::move(cls);
        return it->second.proc;
    }
    GlobalSym& g = globals_[cls->name];
    g = GlobalSym{};
    g.kind = GlobalSym::Class;
    g.proc = static_cast<int>(classes_.size());
    classes_.push_back(std::move(cls));
    return g.proc;
}

Variant Engine::newInstance(int classIndex)
{
    std::shared_ptr<const ClassInfo> cls = classes_[static_cast<size_t>(classIndex)];
    std::shared_ptr<ClassInstance> obj(new ClassInstance(*this, cls, alive_), InstanceDeleter{});
    if (cls->initialize >= 0) execute(*cls->procs[static_cast<size_t>(cls->initialize)], nullptr, 0, obj.get());
    return Variant::object(obj);
}

} // namespace orr::script
