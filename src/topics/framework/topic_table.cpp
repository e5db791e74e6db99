// The topic table: every topic form with its title, fixed topic id and number of examples.
#include "topics/framework/topic_table.h"

namespace orr {

const std::vector<TopicInfo>& topicTable()
{
    static const std::vector<TopicInfo> table = {
        {"ComputerHardware", "COMPUTER HARDWARE", 121, 11},
        {"DataStructures", "DATA STRUCTURES", 122, 8},
        {"DataFiles", "DATA FILES", 123, 8},
        {"ComputerSystems", "COMPUTER SYSTEMS", 112, 5},
        {"DataHandling", "DATA HANDLING", 111, 7},
        {"SystemDevelopment", "SYSTEM DEVELOPMENT", 113, 6},
        {"ComputerProgramming", "COMPUTER PROGRAMMING", 114, 10},
        {"BinaryNumbers", "BINARY NUMBERS", 89, 8},
        {"BinaryArithmetic", "BINARY ARITHMETIC", 90, 7},
        {"NumberSystems", "NUMBER SYSTEMS", 51, 14},
        {"DataAnalysis", "DATA ANALYSIS", 78, 13},
        {"LogicGates1", "LOGIC GATES 1", 79, 12},
        {"LogicGates2", "LOGIC GATES 2", 80, 8},
        {"LogicFamilies", "LOGIC FAMILIES", 115, 7},
        {"FlipFlop", "FLIP FLOPS", 81, 7},
        {"CombinationalLogic", "COMBINATIONAL LOGIC", 82, 8},
        {"Counting", "COUNTING", 83, 6},
        {"Counters", "COUNTERS", 84, 5},
        {"ShiftRegister", "SHIFT REGISTERS", 85, 3},
        {"LogicInterfacing", "LOGIC INTERFACING", 86, 4},
        {"BooleanAlgebra", "BOOLEAN ALGEBRA", 88, 8},
        {"MicroComputers", "MICRO-COMPUTERS", 93, 3},
        {"DataAddressBus", "DATA/ADDRESS BUS", 94, 2},
        {"MemoryAddressing", "MEMORY ADDRESSING", 95, 2},
        {"Alu", "ARITHMETIC AND LOGIC UNIT", 96, 2},
        {"MicroTiming", "MICROPROCESSOR TIMING", 97, 2},
        {"Instructions", "INSTRUCTIONS and CONTROL", 98, 4},
        {"MemoryCells", "MEMORY CELLS", 99, 4},
        {"MicroMemory", "MICROPROCESSOR MEMORY", 100, 2},
        {"AddressingModes", "ADDRESSING MODES", 101, 10},
        {"Instr_1", "INSTRUCTION SET 1", 102, 12},
        {"Instr_2", "INSTRUCTION SET 2", 103, 12},
        {"Instr_3", "INSTRUCTION SET 3", 104, 13},
    };
    return table;
}

const TopicInfo* topicByName(const QString& name)
{
    for (const auto& t : topicTable())
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

}  // namespace orr
