// Opcode names, for disassembly and diagnostics.
#include "script/opcodes.h"

namespace orr::script {

const char* opName(Op op)
{
    static const char* const names[] = {
#define ORR_OP_NAME(name, doc) #name,
        ORR_OPCODES(ORR_OP_NAME)
#undef ORR_OP_NAME
    };
    return names[static_cast<int>(op)];
}

} // namespace orr::script
