// The host object interface: how a program's own objects (Output, WScript, Err) reach scripts.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "script/error.h"
#include "script/variant.h"

namespace orr::script {

// An object a script can call. Member names arrive in lower case, since the
// language ignores letter case.
class ClassInstance;

class HostObject {
public:
    virtual ~HostObject() = default;
    virtual std::string typeName() const { return "Object"; }
    virtual bool hasMember(std::string_view name) const = 0;
    // A method call or a property read.
    virtual Variant invoke(std::string_view name, std::vector<Variant>& args) = 0;
    // A property assignment: obj.name(args) = value.
    virtual void assign(std::string_view name, std::vector<Variant>& args, const Variant& value)
    {
        (void)args;
        (void)value;
        raise(ErrNoSuchMember, std::string(name));
    }
    // The value of the object used where a plain value is needed.
    virtual Variant defaultValue() { raise(ErrNoSuchMember); }
    // The elements For Each visits, as an array; objects that are no collection raise 451.
    virtual Variant elements() { raise(ErrNotCollection); }
    // Set for objects made from a script class.
    virtual ClassInstance* scriptInstance() { return nullptr; }
};

// The dialogs a script can open; the engine asks its host to show them.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Returns the button pressed: 1 OK, 2 Cancel, 6 Yes, 7 No...
    virtual int msgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    // Returns false when the learner cancels.
    virtual bool inputBox(const std::string& prompt, const std::string& title,
                          const std::string& defaultText, std::string& answer) = 0;
};

} // namespace orr::script
