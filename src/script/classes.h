// Script classes: what a Class ... End Class block defines, and its instances.
#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "script/host.h"
#include "script/program.h"

namespace orr::script {

class Engine;

// A member name of a class: a field, a method, or up to three property procedures.
struct ClassMember {
    int field = -1;
    int method = -1;  // Sub or Function
    int get = -1, let = -1, set = -1;
    bool isPublic = true;
};

struct ClassInfo {
    std::string name;     // lower case
    std::string written;  // as the program spelt it: TypeName gives it
    std::vector<std::string> fieldNames;
    std::vector<std::vector<int32_t>> fieldBounds;  // a fixed array's upper bounds
    std::vector<bool> fieldIsArray;
    std::vector<std::unique_ptr<Proc>> procs;
    std::unordered_map<std::string, ClassMember> members;
    int initialize = -1, terminate = -1;
    std::string defaultMember;  // "" when the class has none
};

// An object made by New. Its fields live here; its methods run with Me bound to it.
class ClassInstance final : public HostObject, public std::enable_shared_from_this<ClassInstance> {
public:
    ClassInstance(Engine& engine, std::shared_ptr<const ClassInfo> cls, std::shared_ptr<bool> engineAlive);
    std::string typeName() const override { return cls_->written; }
    bool hasMember(std::string_view name) const override;
    Variant invoke(std::string_view name, std::vector<Variant>& args) override;
    void assign(std::string_view name, std::vector<Variant>& args, const Variant& value) override;
    Variant defaultValue() override;
    ClassInstance* scriptInstance() override { return this; }

    // Reads or calls a member; inside the class's own code private members count too.
    // `self`, when given, is a value holding this object, passed on as Me.
    Variant get(const std::string& name, Variant* args, int argc, bool inside, const Variant* self = nullptr);
    void put(const std::string& name, Variant* args, int argc, const Variant& value, bool isSet, bool inside);

    const ClassInfo& info() const { return *cls_; }
    std::vector<Variant> fields;
    bool terminated = false;
    Engine& engine;
    std::shared_ptr<bool> engineAlive;

private:
    const ClassMember& member(const std::string& name, bool inside) const;
    std::shared_ptr<const ClassInfo> cls_;
};

// Frees an instance, first running its Class_Terminate when the engine still runs.
struct InstanceDeleter {
    void operator()(ClassInstance* p) const;
};

} // namespace orr::script
