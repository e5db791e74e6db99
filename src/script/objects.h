// The objects scripts may create: Scripting.Dictionary, and the function
// references GetRef returns. Everything else stays refused, since learner
// programs run sandboxed.
#pragma once
#include <memory>
#include <string>

#include "script/host.h"

namespace orr::script {

class Engine;
struct Proc;

// The object for a CreateObject class name (any letter case), or null.
std::shared_ptr<HostObject> createObject(const std::string& className);

// An object whose default member calls the procedure.
std::shared_ptr<HostObject> procedureReference(Engine& engine, std::shared_ptr<Proc> proc);

} // namespace orr::script
