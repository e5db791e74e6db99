// Compiled code: instruction chunks, procedures and the positions errors report.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "script/ast.h"
#include "script/opcodes.h"
#include "script/variant.h"

namespace orr::script {

struct Chunk {
    std::vector<Instr> code;
    std::vector<Pos> pos;              // source position of each instruction
    std::vector<Variant> consts;       // literals and member names (as strings)
    // Instruction ranges [first, last) of statements, sorted, for resuming after
    // an error: execution continues at the end of the range holding the failure.
    std::vector<std::pair<int, int>> statements;
    int nlocals = 0;   // frame slots: parameters, the result, locals and hidden loop state
    int maxStack = 0;  // operand stack the chunk can need above its locals
};

struct ClassInfo;

struct Proc {
    std::string name;  // lower case
    std::string displayName;
    bool isFunction = false;
    ProcKind kind = ProcKind::Sub;
    // Methods of a class: the slot holding Me and the slots that refer to the fields.
    const ClassInfo* owner = nullptr;
    int meSlot = -1;
    int fieldBase = 0;
    int nfields = 0;
    // Slot names of a procedure (lower case, "" for hidden slots), so that Eval
    // and Execute called from it can reach its variables.
    std::vector<std::string> localNames;
    bool refArgs = false;  // arguments arrive as references and stay references
    int nparams = 0;
    std::vector<bool> byRef;  // per parameter
    int resultSlot = 0;       // the slot assigning to the function's name writes
    Chunk chunk;
};

} // namespace orr::script
