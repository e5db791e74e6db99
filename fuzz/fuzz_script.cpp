// Fuzz target: any text is parsed, compiled and run; it may fail with a script error but never crash or hang.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "script/engine.h"

namespace {

class Sink final : public orr::script::HostObject {
public:
    bool hasMember(std::string_view n) const override { return n == "show" || n == "clear"; }
    orr::script::Variant invoke(std::string_view, std::vector<orr::script::Variant>& args) override
    {
        for (auto& a : args) {
            try {
                (void)orr::script::toString(a);
            } catch (const orr::script::ScriptError&) {
            }
        }
        return {};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    orr::script::Engine engine;
    engine.addObject("Output", std::make_shared<Sink>(), true);
    int polls = 0;
    // A few thousand loop turns at most, standing in for the time-out.
    engine.setPollHook([&polls] {
        if (++polls > 20) throw orr::script::ScriptError(orr::script::ErrTimeout);
    }, 256);
    try {
        engine.addCode(text);
    } catch (const orr::script::ScriptError&) {
    }
    try {
        (void)engine.eval(text);
    } catch (const orr::script::ScriptError&) {
    }
    return 0;
}
